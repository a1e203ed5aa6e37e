#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "rules/Board.h"
#include "rules/FreeList.h"

// One changed square of a move: where, its value when the record was built, and the side
// that moved. Each is a separate heap object, counted by whoever creates or deletes it.
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

    // Returns null when no memory is left, so `new` yields null instead of throwing.
    TILECREST_FRESH_BLOCK static void* operator new(std::size_t size) noexcept {
        return FreeList<SquareChange>::take(size);
    }
    static void operator delete(void* block, std::size_t size) noexcept {
        FreeList<SquareChange>::give(block, size);
    }
};

// Writes the change's before value back into its square. A null change is ignored.
inline void RestoreSquare(const SquareChange* change, Board& board) {
    if (change != nullptr) setSquare(board, change->column, change->row, change->before);
}
