// The drawing of the board screen: background, elements, score, coordinate strips,
// turn arrow, the computer's banner and the mouse readout, in that order.
#include "screen/Game.h"

#include <allegro5/allegro_font.h>

#include "resources/Lookup.h"
#include "resources/ResourceIds.h"
#include "screen/Input.h"
#include "screen/ObjectList.h"
#include "screen/ShadowText.h"

namespace {

const char* const kBannerText = "Computer is Thinking!";

// Sizes taken from the artwork, which never changes while the game runs: read once.
struct ArtworkSizes {
    int32_t digit;        // D: a digit is D by D
    int32_t label;        // S: a score label is S by S
    int32_t glyphWidth;   // GW
    int32_t glyphHeight;  // GH
    int32_t cellWidth;    // CW
    int32_t cellHeight;   // CH
};

const ArtworkSizes& artworkSizes() {
    static const ArtworkSizes sizes = [] {
        using dLibrary::bitmapResource;
        ALLEGRO_BITMAP* cell = bitmapResource(RES_CELL);
        return ArtworkSizes{al_get_bitmap_height(bitmapResource(RES_DIGITS)),
                            al_get_bitmap_height(bitmapResource(RES_SCORE)),
                            al_get_bitmap_width(bitmapResource(RES_GRID_NUMERIC)),
                            al_get_bitmap_height(bitmapResource(RES_GRID_ALPHA)),
                            al_get_bitmap_width(cell),
                            al_get_bitmap_height(cell)};
    }();
    return sizes;
}

// A count of 0 to 64 as two digits, leading zero included.
void drawCount(int32_t count, int32_t left, int32_t top) {
    ALLEGRO_BITMAP* digits = dLibrary::bitmapResource(RES_DIGITS);
    const int32_t d = artworkSizes().digit;
    al_draw_bitmap_region(digits, (count / 10) * d, 0, d, d, left, top, 0);
    al_draw_bitmap_region(digits, (count % 10) * d, 0, d, d, left + d, top, 0);
}

}  // namespace

void Game::draw() {
    al_draw_bitmap(dLibrary::bitmapResource(RES_WOOD), 0, 0, 0);
    drawObjects();
    drawScore();
    drawCoordinates();
    al_draw_bitmap(dLibrary::bitmapResource(RES_ARROW), turnArrow.x, turnArrow.y, 0);
    if (computerToMove()) drawBanner();
    al_draw_textf(dLibrary::fontResource(RES_FONT), al_map_rgb(255, 255, 255), 600, 10, 0, "(%d,%d)",
                  input.mouseX, input.mouseY);
    redraw = false;
}

// Red's group (label, 4 pixels, two digits) starts at x = 48 and Blue's group of the same
// shape ends at x = 552, symmetric about the board's centre line.
void Game::drawScore() const {
    const ArtworkSizes& sizes = artworkSizes();
    const int32_t s = sizes.label;
    const int32_t d = sizes.digit;
    const int32_t labelTop = 556 + (44 - s) / 2;
    const int32_t digitTop = 556 + (44 - d) / 2;
    const int32_t blueLeft = (274 - d) * 2 - s;
    ALLEGRO_BITMAP* labels = dLibrary::bitmapResource(RES_SCORE);
    al_draw_bitmap_region(labels, 0, 0, s, s, 48, labelTop, 0);
    al_draw_bitmap_region(labels, s, 0, s, s, blueLeft, labelTop, 0);
    drawCount(redCount, s + 52, digitTop);
    drawCount(blueCount, blueLeft + 4 + s, digitTop);
}

void Game::drawCoordinates() const {
    const ArtworkSizes& sizes = artworkSizes();
    const int32_t gw = sizes.glyphWidth;
    const int32_t gh = sizes.glyphHeight;
    ALLEGRO_BITMAP* letters = dLibrary::bitmapResource(RES_GRID_ALPHA);
    ALLEGRO_BITMAP* numbers = dLibrary::bitmapResource(RES_GRID_NUMERIC);
    for (int32_t i = 0; i < 8; ++i) {
        al_draw_bitmap_region(letters, gw * i, 0, gw, gh, 44 + sizes.cellWidth * i + gw - gw / 2,
                              36 - gh, 0);
    }
    for (int32_t i = 0; i < 8; ++i) {
        al_draw_bitmap_region(numbers, 0, gh * i, gw, gh, 36 - gw,
                              44 + sizes.cellHeight * i + gh - gh / 2, 0);
    }
}

void Game::drawBanner() const {
    using namespace dLibrary;
    const dNinePatch& frame = ninePatchResource(RES_MESSAGE);
    ALLEGRO_FONT* font = fontResource(RES_FONT);
    ALLEGRO_BITMAP* screen = bitmapResource(RES_SCREEN);
    const int32_t lineHeight = al_get_font_line_height(font);
    const int32_t width = frame.borderWidth() + al_get_text_width(font, kBannerText);
    const int32_t height = frame.borderHeight() + lineHeight;
    const int32_t left = (al_get_bitmap_width(screen) - width) / 2;
    const int32_t top = (al_get_bitmap_height(screen) - height) / 2;
    frame.draw(left, top, width, height);
    drawShadowText(RES_COLOR_WHITE, left + width / 2, top + (height - lineHeight) / 2, kBannerText);
}
