#pragma once

#include <cstdint>
#include <cstring>

#include "rules/Board.h"

// One changed square of a move: where, its value when the record was built, and the side
// that moved. A MoveList constructs and destroys its entries in its own storage; whoever
// creates or destroys one counts it.
struct SquareChange {
    uint8_t column;
    uint8_t row;
    uint8_t before;
    uint8_t after;

    // The entry whose bytes, column first, are those of `word` from its lowest byte up: lets
    // the rules fill an entry with one store.
    static SquareChange fromWord(uint32_t word) {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
        SquareChange change;
        std::memcpy(&change, &word, sizeof change);
        return change;
#else
        return {static_cast<uint8_t>(word), static_cast<uint8_t>(word >> 8),
                static_cast<uint8_t>(word >> 16), static_cast<uint8_t>(word >> 24)};
#endif
    }
};

// Writes the change's before value back into its square. A null change is ignored.
inline void RestoreSquare(const SquareChange* change, Board& board) {
    if (change != nullptr) setSquare(board, change->column, change->row, change->before);
}
