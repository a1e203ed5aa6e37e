#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "screen/Object.h"

// The game's own modal message box: a stretchable frame with centred lines of text and
// a row of equally wide buttons. show() opens it as a new top layer of the ObjectList,
// which owns the box and its buttons from then on; the answer arrives as the action code
// of the clicked button, and the Game closes the box with popLayer.
class dMessageBox : public Object {
public:
    // text is split into lines at "\n", labels into buttons at "|"; one action code per
    // label, in label order. 0 when the box is open; -1 when it cannot be built (or the
    // codes do not match the labels), leaving the ObjectList unchanged.
    static int32_t show(std::string text, std::string labels, const std::vector<int32_t>& codes);

    void draw(DrawState state) override;
    bool contains(int32_t, int32_t) const override { return false; }  // its face is inert

    std::vector<std::string> lines;
};
