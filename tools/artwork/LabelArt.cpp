// The labels around the board: coordinate strips, score digits, side labels and the
// turn arrow. All sit on the wood, so they carry their own outline and shadow.
#include <string>

#include "tools/artwork/Art.h"
#include "tools/artwork/Lettering.h"
#include "tools/artwork/Shapes.h"

namespace {

const Lettering STYLE_STRIP = {rgb(255, 246, 222), rgb(238, 214, 168), rgb(52, 28, 12, 0.85f), 1.0f,
                               0.55f};
const Lettering STYLE_DIGIT = {rgb(255, 244, 200), rgb(246, 178, 66), rgb(48, 24, 8), 1.3f, 0.6f};

}  // namespace

Canvas makeStrip(ALLEGRO_FONT* font, bool letters) {
    const int count = 8;
    Canvas canvas(letters ? ART_GLYPH_CELL * count : ART_GLYPH_CELL,
                  letters ? ART_GLYPH_CELL : ART_GLYPH_CELL * count);
    for (int i = 0; i < count; ++i) {
        std::string glyph(1, static_cast<char>(letters ? 'a' + i : '1' + i));
        int x = letters ? ART_GLYPH_CELL * i : 0, y = letters ? 0 : ART_GLYPH_CELL * i;
        Mask mask = textMask(font, glyph, ART_GLYPH_CELL, ART_GLYPH_CELL, ART_GLYPH_CELL * 0.5f,
                             ART_GLYPH_CELL * 0.5f);
        paintLettering(canvas, mask, STYLE_STRIP, x, y);
    }
    return canvas;
}

Canvas makeDigits(ALLEGRO_FONT* font) {
    Canvas canvas(ART_DIGIT_SIZE * 10, ART_DIGIT_SIZE);
    for (int i = 0; i < 10; ++i) {
        Mask mask = textMask(font, std::string(1, static_cast<char>('0' + i)), ART_DIGIT_SIZE,
                             ART_DIGIT_SIZE, ART_DIGIT_SIZE * 0.5f, ART_DIGIT_SIZE * 0.5f - 0.5f);
        paintLettering(canvas, mask, STYLE_DIGIT, ART_DIGIT_SIZE * i, 0);
    }
    return canvas;
}

Canvas makeScore() {
    Canvas canvas(ART_LABEL_SIZE * 2, ART_LABEL_SIZE);
    const float c = ART_LABEL_SIZE * 0.5f;
    paintDisk(canvas, c - 0.5f, c - 1.0f, 12.5f, DiskColour::Red);
    paintDisk(canvas, ART_LABEL_SIZE + c - 0.5f, c - 1.0f, 12.5f, DiskColour::Blue);
    return canvas;
}

Canvas makeArrow() {
    const int w = ART_DIGIT_SIZE, h = ART_ARROW_HEIGHT;
    // Points right, towards the label of the side to move.
    const std::vector<float> shape = {2.5f,  15.5f, 16.0f, 15.5f, 16.0f, 21.5f, 29.5f,
                                      12.0f, 16.0f, 2.5f,  16.0f, 8.5f,  2.5f,  8.5f};
    Mask body = polygonMask(w, h, shape);
    Lettering style = {rgb(255, 236, 150), rgb(236, 150, 30), rgb(56, 28, 6), 1.2f, 0.55f};
    Canvas canvas(w, h);
    paintLettering(canvas, body, style, 0, 0);
    return canvas;
}
