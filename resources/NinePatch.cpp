#include "resources/NinePatch.h"

#include <algorithm>

#include "base/Log.h"
#include "base/ObjectCounters.h"
#include "resources/Bitmap.h"

namespace dLibrary {

namespace {

enum class Marker { Magenta, Black, Other };

Marker markerAt(ALLEGRO_BITMAP* source, int32_t x, int32_t y) {
    unsigned char r, g, b;
    al_unmap_rgb(al_get_pixel(source, x, y), &r, &g, &b);
    if (r == 255 && g == 0 && b == 255) return Marker::Magenta;
    if (r == 0 && g == 0 && b == 0) return Marker::Black;
    return Marker::Other;
}

// Reads one marker line (row 0 when horizontal, else column 0): magenta, one black run,
// magenta to the end. Also demands that the run leaves every band at least one pixel
// wide inside the two-pixel border, so no piece can be empty.
bool scanMarkerLine(ALLEGRO_BITMAP* source, bool horizontal, int32_t length, int32_t& first,
                    int32_t& second) {
    int32_t phase = 0;
    for (int32_t p = 0; p < length; ++p) {
        Marker marker = horizontal ? markerAt(source, p, 0) : markerAt(source, 0, p);
        if (marker == Marker::Other) return false;
        if (phase == 0 && marker == Marker::Black) {
            first = p;
            phase = 1;
        } else if (phase == 1 && marker == Marker::Magenta) {
            second = p;
            phase = 2;
        } else if (phase == 2 && marker == Marker::Black) {
            return false;
        }
    }
    return phase == 2 && first >= 3 && second <= length - 3;
}

// The file again, as a memory bitmap whose colours are not multiplied by alpha, so that
// markers read on red, green and blue alone: premultiplied, a translucent magenta turns
// dark and a transparent white turns black. Only read, then destroyed: a scratch copy
// outside the tracked bitmaps.
ALLEGRO_BITMAP* loadMarkers(const std::string& fileName) {
    const int defaultFlags = al_get_new_bitmap_flags();
    al_set_new_bitmap_flags(defaultFlags | ALLEGRO_MEMORY_BITMAP);
    ALLEGRO_BITMAP* markers =
        al_load_bitmap_flags(fileName.c_str(), ALLEGRO_NO_PREMULTIPLIED_ALPHA);
    al_set_new_bitmap_flags(defaultFlags);
    return markers;
}

}  // namespace

dNinePatch::~dNinePatch() {
    int32_t destroyed = 0;
    for (ALLEGRO_BITMAP*& piece : pieces) {
        if (piece == nullptr) continue;
        destroyBitmap(piece);
        piece = nullptr;
        ++destroyed;
    }
    gLog << "Nine patch destroyed (" << destroyed << " bitmaps)";
    gLog.endLine();
}

dNinePatch* dNinePatch::createFromFile(std::string fileName) {
    gLog << "Nine patch created from file: \"" << fileName << "\"";
    gLog.endLine();
    gLog.indent();
    dNinePatch* ninePatch = nullptr;
    ALLEGRO_BITMAP* source = loadBitmap(fileName, false);
    if (source != nullptr) {
        ALLEGRO_BITMAP* markers = loadMarkers(fileName);
        ninePatch = create(source, markers);
        if (markers != nullptr) al_destroy_bitmap(markers);
        destroyBitmap(source);
    }
    gLog << (ninePatch != nullptr ? "-------- success" : "-------- failed!");
    gLog.endLine();
    gLog.unindent();
    return ninePatch;
}

dNinePatch* dNinePatch::createFromBitmap(ALLEGRO_BITMAP* source) {
    return create(source, source);
}

dNinePatch* dNinePatch::create(ALLEGRO_BITMAP* source, ALLEGRO_BITMAP* markers) {
    if (source == nullptr) return nullptr;
    auto* ninePatch = new dNinePatch();
    ++objectsCreated;

    const int32_t width = al_get_bitmap_width(source);
    const int32_t height = al_get_bitmap_height(source);
    int32_t xs = 0, xe = 0, ys = 0, ye = 0;
    bool scanned = false;
    if (markers != nullptr && al_get_bitmap_width(markers) == width &&
        al_get_bitmap_height(markers) == height) {
        ALLEGRO_LOCKED_REGION* locked =
            al_lock_bitmap(markers, al_get_bitmap_format(markers), ALLEGRO_LOCK_READONLY);
        scanned = scanMarkerLine(markers, true, width, xs, xe) &&
                  scanMarkerLine(markers, false, height, ys, ye);
        if (locked != nullptr) al_unlock_bitmap(markers);
    }
    if (!scanned) {
        ++objectsFreed;
        delete ninePatch;
        return nullptr;
    }

    const int32_t columns[4] = {2, xs, xe, width - 2};
    const int32_t rows[4] = {2, ys, ye, height - 2};
    ALLEGRO_BITMAP* previousTarget = al_get_target_bitmap();
    bool complete = true;
    for (int32_t i = 0; i < 9 && complete; ++i) {
        const int32_t left = columns[i % 3], top = rows[i / 3];
        const int32_t pieceWidth = columns[i % 3 + 1] - left;
        const int32_t pieceHeight = rows[i / 3 + 1] - top;
        ALLEGRO_BITMAP* piece = createBitmap(pieceWidth, pieceHeight);
        ninePatch->pieces[i] = piece;
        if (piece == nullptr) {
            complete = false;
            continue;
        }
        al_set_target_bitmap(piece);
        // A new bitmap's content is undefined; clear it so translucent source pixels copy
        // exactly rather than blending over garbage.
        al_clear_to_color(al_map_rgba(0, 0, 0, 0));
        al_draw_bitmap_region(source, left, top, pieceWidth, pieceHeight, 0, 0, 0);
        al_convert_mask_to_alpha(piece, al_map_rgb(255, 0, 255));
    }
    al_set_target_bitmap(previousTarget);

    if (!complete) {
        ++objectsFreed;
        delete ninePatch;
        return nullptr;
    }
    ninePatch->valid = true;
    return ninePatch;
}

void dNinePatch::draw(int32_t x, int32_t y, int32_t width, int32_t height) const {
    if (!valid) return;
    // In 64 bits, every sum and difference of 32-bit sizes and positions is exact.
    const int64_t lw = al_get_bitmap_width(pieces[0]);
    const int64_t rw = al_get_bitmap_width(pieces[2]);
    const int64_t th = al_get_bitmap_height(pieces[0]);
    const int64_t bh = al_get_bitmap_height(pieces[6]);
    const int64_t mw = std::max<int64_t>(0, width - (lw + rw));
    const int64_t mh = std::max<int64_t>(0, height - (th + bh));

    auto plain = [](ALLEGRO_BITMAP* piece, int64_t px, int64_t py) {
        al_draw_bitmap(piece, static_cast<float>(px), static_cast<float>(py), 0);
    };
    auto stretched = [](ALLEGRO_BITMAP* piece, int64_t px, int64_t py, int64_t pw, int64_t ph) {
        al_draw_scaled_bitmap(piece, 0.0f, 0.0f, static_cast<float>(al_get_bitmap_width(piece)),
                              static_cast<float>(al_get_bitmap_height(piece)),
                              static_cast<float>(px), static_cast<float>(py),
                              static_cast<float>(pw), static_cast<float>(ph), 0);
    };

    plain(pieces[0], x, y);
    if (mw > 0) stretched(pieces[1], x + lw, y, mw, th);
    plain(pieces[2], x + lw + mw, y);
    if (mh > 0) {
        stretched(pieces[3], x, y + th, lw, mh);
        if (mw > 0) stretched(pieces[4], x + lw, y + th, mw, mh);
        stretched(pieces[5], x + lw + mw, y + th, rw, mh);
    }
    plain(pieces[6], x, y + th + mh);
    if (mw > 0) stretched(pieces[7], x + lw, y + th + mh, mw, bh);
    plain(pieces[8], x + lw + mw, y + th + mh);
}

}  // namespace dLibrary
