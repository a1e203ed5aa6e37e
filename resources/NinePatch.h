#pragma once

#include <array>
#include <cstdint>
#include <string>

#include <allegro5/allegro.h>

#include "resources/Resource.h"

namespace dLibrary {

// A stretchable frame cut from an image whose two-pixel border marks, in row 0 and
// column 0 (magenta, one black run, magenta), the columns and rows that may stretch.
// The picture inside the border is cut once into nine keyed pieces, row-major: 0
// top-left, 1 top edge, 2 top-right, 3 left edge, 4 centre, 5 right edge, 6 bottom-left,
// 7 bottom edge, 8 bottom-right. Created only by the factories; the caller owns the
// result and counts its deletion in objectsFreed. The destructor logs and counts the
// pieces it destroys.
class dNinePatch : public dResource {
public:
    ~dNinePatch() override;

    // Logs the file name, loads the file unkeyed, builds the nine-patch and logs
    // "-------- success" or "-------- failed!". Null on any failure. Marker colours are
    // read with alpha ignored, from an untracked copy loaded without premultiplied alpha.
    static dNinePatch* createFromFile(std::string fileName);

    // Scans the markers of a source it does not take over and cuts the pieces; null when
    // a marker line is malformed, leaves a band without pixels, or a piece cannot be
    // made. The current target bitmap is unchanged afterwards. Markers are read as stored,
    // so a premultiplied source's translucent marker pixels do not read as their colour.
    static dNinePatch* createFromBitmap(ALLEGRO_BITMAP* source);

    // Draws the frame into the rectangle on the current target: corners at their own
    // size, edges and centre stretched. Corners never shrink, so a rectangle smaller than
    // the corners is drawn larger, from (x, y). An invalid nine-patch draws nothing.
    void draw(int32_t x, int32_t y, int32_t width, int32_t height) const;

    // The frame's fixed border: left plus right corner widths, top plus bottom corner
    // heights. Buttons, boxes and the banner add their text to these to size themselves.
    int32_t borderWidth() const {
        return al_get_bitmap_width(pieces[0]) + al_get_bitmap_width(pieces[2]);
    }
    int32_t borderHeight() const {
        return al_get_bitmap_height(pieces[0]) + al_get_bitmap_height(pieces[6]);
    }

    bool valid = false;
    std::array<ALLEGRO_BITMAP*, 9> pieces{};

private:
    dNinePatch() = default;
    // Scans the markers in `markers` (null fails) and cuts the pieces from `source`.
    static dNinePatch* create(ALLEGRO_BITMAP* source, ALLEGRO_BITMAP* markers);
};

}  // namespace dLibrary
