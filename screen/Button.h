#pragma once

#include <cstdint>
#include <string>

#include "screen/Object.h"

// A labelled nine-patch button; a click runs the action code in id.
class Button : public Object {
public:
    Button() { kind = KIND_BUTTON; }

    // Places the button and makes it visible and enabled. A negative width or height
    // asks for the size that fits the label in the "button.png" frame.
    void create(const std::string& text, int32_t actionId, int32_t left, int32_t top, int32_t w,
                int32_t h);
    void draw(DrawState state) override;

    // The size create() fits to a label: the frame's corners plus the text.
    static int32_t fittedWidth(const std::string& text);
    static int32_t fittedHeight();

    int32_t id = -1;
    std::string label;
    int32_t labelX = 0;
    int32_t labelY = 0;
};
