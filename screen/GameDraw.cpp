// The drawing of the board screen: background, elements, score, coordinate strips,
// turn arrow, the computer's banner and the mouse readout, in that order.
#include "screen/Game.h"

#include <allegro5/allegro_font.h>

#include "resources/Lookup.h"
#include "resources/ResourceIds.h"
#include "screen/Input.h"
#include "screen/Layout.h"
#include "screen/ObjectList.h"
#include "screen/ShadowText.h"

namespace {

const char* const TEXT_COMPUTER_THINKING = "Computer is Thinking!";

// The coordinate strips end this far before the board's top and left edges.
constexpr int32_t LAYOUT_STRIP_GAP = 8;
// Where the mouse readout starts, in the top-right area.
constexpr int32_t LAYOUT_READOUT_LEFT = 600;
constexpr int32_t LAYOUT_READOUT_TOP = 10;

// What the drawing needs to know of the artwork, which never changes while the game runs:
// read once.
struct ArtworkSizes {
    int32_t digit;       // a digit is this wide and high
    int32_t label;       // a score label is this wide and high
    int32_t glyphWidth;  // one letter or number of the coordinate strips
    int32_t glyphHeight;
    int32_t cellWidth;  // one square of the board
    int32_t cellHeight;
    bool squaresHideWood;  // the squares' pictures cover the wood under the board
};

// Whether a picture drawn on a square hides all that was there: it is at least as large
// as the square and opaque over it.
bool coversSquare(ALLEGRO_BITMAP* picture) {
    constexpr int32_t size = LAYOUT_SQUARE_SIZE;
    if (al_get_bitmap_width(picture) < size || al_get_bitmap_height(picture) < size) return false;
    if (!al_lock_bitmap_region(picture, 0, 0, size, size, ALLEGRO_PIXEL_FORMAT_ANY,
                               ALLEGRO_LOCK_READONLY)) {
        return false;
    }
    bool opaque = true;
    for (int32_t y = 0; y < size && opaque; ++y) {
        for (int32_t x = 0; x < size && opaque; ++x) {
            unsigned char r, g, b, a;
            al_unmap_rgba(al_get_pixel(picture, x, y), &r, &g, &b, &a);
            opaque = a == 255;
        }
    }
    al_unlock_bitmap(picture);
    return opaque;
}

const ArtworkSizes& artworkSizes() {
    static const ArtworkSizes sizes = [] {
        using dLibrary::bitmapResource;
        ALLEGRO_BITMAP* cell = bitmapResource(RES_CELL);
        return ArtworkSizes{al_get_bitmap_height(bitmapResource(RES_DIGITS)),
                            al_get_bitmap_height(bitmapResource(RES_SCORE)),
                            al_get_bitmap_width(bitmapResource(RES_GRID_NUMERIC)),
                            al_get_bitmap_height(bitmapResource(RES_GRID_ALPHA)),
                            al_get_bitmap_width(cell),
                            al_get_bitmap_height(cell),
                            coversSquare(cell) && coversSquare(bitmapResource(RES_HIGHLIGHT))};
    }();
    return sizes;
}

// A count of 0 to 64 as two digits, leading zero included.
void drawCount(int32_t count, int32_t left, int32_t top) {
    ALLEGRO_BITMAP* digits = dLibrary::bitmapResource(RES_DIGITS);
    const int32_t size = artworkSizes().digit;
    al_draw_bitmap_region(digits, (count / 10) * size, 0, size, size, left, top, 0);
    al_draw_bitmap_region(digits, (count % 10) * size, 0, size, size, left + size, top, 0);
}

// The background. Every square is drawn over it in each frame, so where the squares hide
// it only the four strips around the board are drawn, not half the wood twice over.
void drawWood() {
    ALLEGRO_BITMAP* wood = dLibrary::bitmapResource(RES_WOOD);
    const int32_t width = al_get_bitmap_width(wood), height = al_get_bitmap_height(wood);
    if (!artworkSizes().squaresHideWood || width < LAYOUT_BOARD_RIGHT ||
        height < LAYOUT_BOARD_BOTTOM) {
        al_draw_bitmap(wood, 0, 0, 0);
        return;
    }
    const int32_t top = LAYOUT_BOARD_TOP, bottom = LAYOUT_BOARD_BOTTOM;
    const int32_t left = LAYOUT_BOARD_LEFT, right = LAYOUT_BOARD_RIGHT;
    al_draw_bitmap_region(wood, 0, 0, width, top, 0, 0, 0);
    al_draw_bitmap_region(wood, 0, top, left, bottom - top, 0, top, 0);
    al_draw_bitmap_region(wood, right, top, width - right, bottom - top, right, top, 0);
    al_draw_bitmap_region(wood, 0, bottom, width, height - bottom, 0, bottom, 0);
}

}  // namespace

// The frame's draws are held and sent together: most come from the one shared texture
// (resources/SharedTexture.h), so they go out in a few batches. What is read from the
// artwork is read first, since nothing but drawing may happen while drawing is held.
void Game::draw() {
    artworkSizes();
    al_hold_bitmap_drawing(true);
    drawWood();
    drawObjects();
    drawScore();
    drawCoordinates();
    al_draw_bitmap(dLibrary::bitmapResource(RES_ARROW), turnArrow.x, turnArrow.y, 0);
    if (computerToMove()) drawBanner();
    al_draw_textf(dLibrary::fontResource(RES_FONT), al_map_rgb(255, 255, 255), LAYOUT_READOUT_LEFT,
                  LAYOUT_READOUT_TOP, 0, "(%d,%d)", input.mouseX, input.mouseY);
    al_hold_bitmap_drawing(false);
    redraw = false;
}

// Each side's group (its label, a gap, two digits) in the band below the board.
void Game::drawScore() const {
    const int32_t label = artworkSizes().label;
    const ScorePlaces places = scorePlaces(label, artworkSizes().digit);
    ALLEGRO_BITMAP* labels = dLibrary::bitmapResource(RES_SCORE);
    al_draw_bitmap_region(labels, 0, 0, label, label, places.redLabel, places.labelTop, 0);
    al_draw_bitmap_region(labels, label, 0, label, label, places.blueLabel, places.labelTop, 0);
    drawCount(redCount, places.redDigits, places.digitTop);
    drawCount(blueCount, places.blueDigits, places.digitTop);
}

void Game::drawCoordinates() const {
    const ArtworkSizes& sizes = artworkSizes();
    const int32_t width = sizes.glyphWidth;
    const int32_t height = sizes.glyphHeight;
    ALLEGRO_BITMAP* letters = dLibrary::bitmapResource(RES_GRID_ALPHA);
    ALLEGRO_BITMAP* numbers = dLibrary::bitmapResource(RES_GRID_NUMERIC);
    // A glyph is centred on its square when it is half as wide (or high) as the square.
    for (int32_t i = 0; i < 8; ++i) {
        al_draw_bitmap_region(letters, width * i, 0, width, height,
                              LAYOUT_BOARD_LEFT + sizes.cellWidth * i + width - width / 2,
                              LAYOUT_BOARD_TOP - LAYOUT_STRIP_GAP - height, 0);
    }
    for (int32_t i = 0; i < 8; ++i) {
        al_draw_bitmap_region(numbers, 0, height * i, width, height,
                              LAYOUT_BOARD_LEFT - LAYOUT_STRIP_GAP - width,
                              LAYOUT_BOARD_TOP + sizes.cellHeight * i + height - height / 2, 0);
    }
}

void Game::drawBanner() const {
    using namespace dLibrary;
    const dNinePatch& frame = ninePatchResource(RES_MESSAGE);
    ALLEGRO_FONT* font = fontResource(RES_FONT);
    ALLEGRO_BITMAP* screen = bitmapResource(RES_SCREEN);
    const int32_t lineHeight = al_get_font_line_height(font);
    const int32_t width = frame.borderWidth() + al_get_text_width(font, TEXT_COMPUTER_THINKING);
    const int32_t height = frame.borderHeight() + lineHeight;
    const int32_t left = (al_get_bitmap_width(screen) - width) / 2;
    const int32_t top = (al_get_bitmap_height(screen) - height) / 2;
    frame.draw(left, top, width, height);
    drawShadowText(RES_COLOR_WHITE, left + width / 2, top + (height - lineHeight) / 2,
                   TEXT_COMPUTER_THINKING);
}
