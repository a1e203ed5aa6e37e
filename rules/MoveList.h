#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>

#include "base/ObjectCounters.h"
#include "rules/Board.h"
#include "rules/BoardBits.h"
#include "rules/FreeList.h"
#include "rules/SquareChange.h"
#include "rules/UndoObject.h"

// The record of one move: its changed squares in the order they were appended (the
// flipped disks, then the move's own square). Owns the entries, which it constructs in place
// in storage of its own; its destructor destroys them front to back and counts each as freed.
// Whoever deletes the list counts the list.
class MoveList final : public UndoObject {
public:
    // A move changes at most 20 squares: 19 enclosed disks and its own.
    static constexpr uint32_t CAPACITY = 20;

    class Iterator {
    public:
        explicit Iterator(const SquareChange* first) : change(first) {}
        const SquareChange* operator*() const { return change; }
        Iterator& operator++() {
            ++change;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return change != other.change; }

    private:
        const SquareChange* change;
    };

    MoveList() = default;
    MoveList(const MoveList&) = delete;
    MoveList& operator=(const MoveList&) = delete;
    ~MoveList() override {
        uint32_t destroyed = 0;
        for (uint32_t i = 0; i < count; ++i) {
            entries()[i].~SquareChange();
            ++destroyed;
        }
        objectsFreed += destroyed;
    }

    // Constructs a copy of `change` at the back. When the list is full it constructs nothing
    // and returns null.
    SquareChange* append(const SquareChange& change) {
        if (TILECREST_UNLIKELY(count == CAPACITY)) return nullptr;
        SquareChange* entry = new (storage + count * sizeof(SquareChange)) SquareChange(change);
        ++count;
        return entry;
    }

    // Entries from the front (first appended) to the back.
    Iterator begin() const { return Iterator(entries()); }
    Iterator end() const { return Iterator(entries() + count); }
    std::size_t size() const { return count; }

    TILECREST_FRESH_BLOCK static void* operator new(std::size_t size) noexcept {
        return FreeList<MoveList>::take(size);
    }
    static void operator delete(void* block, std::size_t size) noexcept {
        FreeList<MoveList>::give(block, size);
    }

private:
    SquareChange* entries() { return reinterpret_cast<SquareChange*>(storage); }
    const SquareChange* entries() const { return reinterpret_cast<const SquareChange*>(storage); }

    uint32_t count = 0;
    alignas(SquareChange) unsigned char storage[CAPACITY * sizeof(SquareChange)];
};

// Writes every entry's after value into its square, front to back, and returns the sum of
// weigh(entry) over the entries.
template <class Weigh>
inline int32_t applyMoveList(const MoveList& moveList, Board& board, Weigh weigh) {
    // Done on the two words of rows at once rather than row by row: the search reads the
    // board back as words, which small stores just before would stall.
    uint64_t top, bottom;
    boardbits::loadRows(board, top, bottom);
    int32_t sum = 0;
#if defined(__GNUC__)
    typedef uint64_t Words __attribute__((vector_size(16)));
    Words words = {top, bottom};
    for (const SquareChange* change : moveList) {
        Words square;
        std::memcpy(&square, boardbits::SQUARE_MASKS.mask[change->row & 7][change->column & 7],
                    sizeof square);
        words = (words & ~square) | (square & (change->after & 3) * boardbits::EVEN_BITS);
        sum += weigh(*change);
    }
    top = words[0];
    bottom = words[1];
#else
    for (const SquareChange* change : moveList) {
        const uint64_t* square = boardbits::SQUARE_MASKS.mask[change->row & 7][change->column & 7];
        const uint64_t value = (change->after & 3) * boardbits::EVEN_BITS;
        top = (top & ~square[0]) | (square[0] & value);
        bottom = (bottom & ~square[1]) | (square[1] & value);
        sum += weigh(*change);
    }
#endif
    boardbits::storeRows(board, top, bottom);
    return sum;
}

inline void applyMoveList(const MoveList& moveList, Board& board) {
    applyMoveList(moveList, board, [](const SquareChange&) { return 0; });
}
