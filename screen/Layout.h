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
