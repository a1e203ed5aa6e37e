#include "tools/soak/Oracle.h"

namespace oracle {

namespace {

const int kSteps[8][2] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}};

bool onBoard(int column, int row) {
    return column >= 0 && column < 8 && row >= 0 && row < 8;
}

bool isEmpty(uint8_t value) {
    return value == EMPTY || value == MARK;
}

}  // namespace

uint8_t squareOf(const Rows rows, int column, int row) {
    return static_cast<uint8_t>((rows[row] >> (14 - 2 * column)) & 3);
}

void putSquare(Rows rows, int column, int row, uint8_t value) {
    const int shift = 14 - 2 * column;
    rows[row] =
        static_cast<uint16_t>((rows[row] & ~(3u << shift)) | (unsigned(value & 3) << shift));
}

uint64_t flipsOf(const Rows rows, int column, int row, uint8_t side) {
    if (!isEmpty(squareOf(rows, column, row))) return 0;
    const uint8_t opponent = otherSide(side);
    uint64_t flips = 0;
    for (const auto& step : kSteps) {
        uint64_t line = 0;
        int c = column + step[0];
        int r = row + step[1];
        while (onBoard(c, r) && squareOf(rows, c, r) == opponent) {
            line |= bitOf(c, r);
            c += step[0];
            r += step[1];
        }
        if (line != 0 && onBoard(c, r) && squareOf(rows, c, r) == side) flips |= line;
    }
    return flips;
}

uint64_t legalSquares(const Rows rows, uint8_t side) {
    uint64_t legal = 0;
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            if (flipsOf(rows, column, row, side) != 0) legal |= bitOf(column, row);
        }
    }
    return legal;
}

uint64_t squaresHolding(const Rows rows, uint8_t value) {
    uint64_t found = 0;
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            if (squareOf(rows, column, row) == value) found |= bitOf(column, row);
        }
    }
    return found;
}

int countOf(const Rows rows, uint8_t value) {
    return __builtin_popcountll(squaresHolding(rows, value));
}

void startPosition(Rows rows) {
    for (int row = 0; row < 8; ++row) rows[row] = 0;
    putSquare(rows, 3, 3, RED);
    putSquare(rows, 4, 4, RED);
    putSquare(rows, 4, 3, BLUE);
    putSquare(rows, 3, 4, BLUE);
    const uint64_t legal = legalSquares(rows, RED);
    for (int index = 0; index < 64; ++index) {
        if (legal & (1ull << index)) putSquare(rows, index % 8, index / 8, MARK);
    }
}

const char* squareName(int index) {
    static char names[64][3];
    if (index < 0 || index > 63) return "??";
    char* name = names[index];
    name[0] = static_cast<char>('a' + index % 8);
    name[1] = static_cast<char>('1' + index / 8);
    name[2] = '\0';
    return name;
}

}  // namespace oracle
