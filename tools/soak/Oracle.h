#pragma once

#include <cstdint>

// The rules of the game written a second time, square by square with the eight directions,
// so the soak can judge the game's own (bit-parallel) rule code without trusting any of it.
// A position is the game's eight packed rows: column c of row r in bits 14-2c and 15-2c.
// Square sets are 64-bit masks, bit 8 * row + column.
namespace oracle {

constexpr uint8_t EMPTY = 0;
constexpr uint8_t RED = 1;
constexpr uint8_t BLUE = 2;
constexpr uint8_t MARK = 3;  // an empty square on which the side to move may play

using Rows = uint16_t[8];

inline uint64_t bitOf(int column, int row) {
    return 1ull << (8 * row + column);
}
inline uint8_t otherSide(uint8_t side) {
    return side == RED ? BLUE : RED;
}

uint8_t squareOf(const Rows rows, int column, int row);
void putSquare(Rows rows, int column, int row, uint8_t value);

// The disks a disk of `side` at (column, row) would turn; 0 when the square is not empty.
uint64_t flipsOf(const Rows rows, int column, int row, uint8_t side);
// The empty squares on which `side` turns at least one disk.
uint64_t legalSquares(const Rows rows, uint8_t side);
// The squares holding `value`.
uint64_t squaresHolding(const Rows rows, uint8_t value);
int countOf(const Rows rows, uint8_t value);
// The four centre disks with Red's marks: how every game begins.
void startPosition(Rows rows);

// "c5" style name of the square of bit `index`, for failure messages.
const char* squareName(int index);

}  // namespace oracle
