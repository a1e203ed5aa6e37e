#pragma once

#include <cstdint>

#include "screen/Object.h"

// One square of the board. It reads its square straight from the Game's board, and it
// can be hovered and clicked only while the square holds a legal-move mark, so a person
// can only ever play a legal move.
class Cell : public Object {
public:
    Cell() { kind = KIND_CELL; }

    void draw(DrawState state) override;
    bool contains(int32_t px, int32_t py) const override;
    uint8_t square() const { return (rows[row] >> (14 - 2 * column)) & 3; }

    uint8_t column = 0;
    uint8_t row = 0;
    const uint16_t* rows = nullptr;
};
