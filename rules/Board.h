#pragma once

#include <cstdint>

// A position as eight packed 16-bit rows, row 0 at the top. The square at column c of a
// row lives in bits 14-2c (low) and 15-2c (high), so column 0 is the top two bits. A plain
// 16-byte value: the computer player copies it for every position it looks at.
struct Board {
    uint16_t rows[8];
};

// Square values. LegalMark is an empty square on which the side to move may play.
constexpr uint8_t SQUARE_EMPTY = 0;
constexpr uint8_t Red = 1;
constexpr uint8_t Blue = 2;
constexpr uint8_t LegalMark = 3;

// A square, column then row, each 0 to 7. NoMove means the computer found nothing to play.
struct Move {
    uint8_t column;
    uint8_t row;
};
constexpr Move NoMove{255, 255};

constexpr bool operator==(Move a, Move b) {
    return a.column == b.column && a.row == b.row;
}
constexpr bool operator!=(Move a, Move b) {
    return !(a == b);
}

struct Direction {
    int32_t columnStep;
    int32_t rowStep;
};

// Every scan over directions runs 0 to 7 in this order; the order of a MoveList follows it.
inline constexpr Direction Directions[8] = {
    {-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1},
};

constexpr uint8_t opponentOf(uint8_t side) {
    return side == Red ? Blue : Red;
}

constexpr bool isOnBoard(int column, int row) {
    return column >= 0 && column < 8 && row >= 0 && row < 8;
}

inline uint8_t squareAt(const Board& board, int column, int row) {
    return static_cast<uint8_t>((board.rows[row] >> (14 - 2 * column)) & 3);
}

inline void setSquare(Board& board, int column, int row, uint8_t value) {
    const int shift = 14 - 2 * column;
    board.rows[row] = static_cast<uint16_t>((board.rows[row] & ~(3u << shift)) |
                                            (static_cast<unsigned>(value) << shift));
}
