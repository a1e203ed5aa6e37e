#pragma once

#include <cstdint>

// The fixed geometry of the screen picture. Everything is drawn on an 800 by 600 bitmap
// that is stretched onto the window; the board is eight 64-pixel squares from its origin,
// and the band below it, down to the picture's bottom, holds the score.
constexpr int32_t LAYOUT_SCREEN_WIDTH = 800;
constexpr int32_t LAYOUT_SCREEN_HEIGHT = 600;
constexpr int32_t LAYOUT_BOARD_LEFT = 44;
constexpr int32_t LAYOUT_BOARD_TOP = 44;
constexpr int32_t LAYOUT_SQUARE_SIZE = 64;
constexpr int32_t LAYOUT_BOARD_RIGHT = LAYOUT_BOARD_LEFT + 8 * LAYOUT_SQUARE_SIZE;
constexpr int32_t LAYOUT_BOARD_BOTTOM = LAYOUT_BOARD_TOP + 8 * LAYOUT_SQUARE_SIZE;

// Each side's score (its label, a gap, two digits) stands this far inside the board's
// edge: Red's group starts at the left edge plus the inset, Blue's ends at the right edge
// minus it, so the two lie symmetric about the board's centre line.
constexpr int32_t LAYOUT_SCORE_INSET = 4;
constexpr int32_t LAYOUT_SCORE_GAP = 4;

// Where the score band puts its pictures, for square labels `labelSize` wide and digits
// `digitSize` wide: the left edges of each side's label and tens digit, and the tops that
// centre a label and a digit in the band.
struct ScorePlaces {
    int32_t redLabel;
    int32_t blueLabel;
    int32_t redDigits;
    int32_t blueDigits;
    int32_t labelTop;
    int32_t digitTop;
};

// The top of a picture `height` high centred in the band, any odd pixel below.
constexpr int32_t scoreBandTop(int32_t height) {
    return LAYOUT_BOARD_BOTTOM + (LAYOUT_SCREEN_HEIGHT - LAYOUT_BOARD_BOTTOM - height) / 2;
}

constexpr ScorePlaces scorePlaces(int32_t labelSize, int32_t digitSize) {
    const int32_t redLabel = LAYOUT_BOARD_LEFT + LAYOUT_SCORE_INSET;
    const int32_t blueLabel =
        LAYOUT_BOARD_RIGHT - LAYOUT_SCORE_INSET - 2 * digitSize - LAYOUT_SCORE_GAP - labelSize;
    return {redLabel,
            blueLabel,
            redLabel + labelSize + LAYOUT_SCORE_GAP,
            blueLabel + labelSize + LAYOUT_SCORE_GAP,
            scoreBandTop(labelSize),
            scoreBandTop(digitSize)};
}
