#pragma once

#include <cstdint>

// The arrow in the score band that marks the side to move. It jumps to a side's place
// when the side changes and then swings left and back, eight pixels each way, one pixel
// per tick. It moves only in ticks, never while drawing.
struct TurnArrow {
    // Places the arrow for `side` (Red 1, Blue 2) if it is not already there, then steps.
    void update(uint8_t side);
    void reset() { *this = TurnArrow{}; }

    int32_t x = 0;
    int32_t y = 0;
    int32_t dx = 0;
    int32_t steps = 0;
    uint8_t side = 255;  // none: the next update places it
};
