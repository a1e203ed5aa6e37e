#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "rules/Board.h"
#include "rules/BoardBits.h"
#include "rules/FreeList.h"
#include "rules/ObjectCounters.h"
#include "rules/SquareChange.h"
#include "rules/UndoObject.h"

// The record of one move: its changed squares in the order they were appended (the
// flipped disks, then the move's own square). Owns the entries; its destructor deletes
// them front to back and counts each as freed. Whoever deletes the list counts the list.
class MoveList final : public UndoObject {
    struct Node;

public:
    class Iterator {
    public:
        explicit Iterator(const Node* node) : node(node) {}
        SquareChange* operator*() const { return node->change; }
        Iterator& operator++() {
            node = node->next;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return node != other.node; }

    private:
        const Node* node;
    };

    MoveList() = default;
    MoveList(const MoveList&) = delete;
    MoveList& operator=(const MoveList&) = delete;
    ~MoveList() override {
        const bool someOnHeap = count > OWN_NODES;
        uint32_t deleted = 0;
        for (Node* node = front.next; node != nullptr;) {
            Node* next = node->next;
            if (node->change != nullptr) {
                delete node->change;
                ++deleted;
            }
            if (someOnHeap && !isOwnNode(node)) delete node;
            node = next;
        }
        objectsFreed += deleted;
    }

    // Appends at the back; the list owns the entry from then on, a null entry included.
    // Returns false (and leaves the entry with the caller) when no memory is left.
    bool append(SquareChange* change) {
        Node* node = count < OWN_NODES ? &ownNodes[count] : new Node;
        if (node == nullptr) return false;
        *node = Node{change, tail, nullptr};
        tail->next = node;
        tail = node;
        ++count;
        return true;
    }

    // Entries from the front (first appended) to the back; an entry may be null.
    Iterator begin() const { return Iterator(front.next); }
    Iterator end() const { return Iterator(nullptr); }
    std::size_t size() const { return count; }

    TILECREST_FRESH_BLOCK static void* operator new(std::size_t size) noexcept {
        return FreeList<MoveList>::take(size);
    }
    static void operator delete(void* block, std::size_t size) noexcept {
        FreeList<MoveList>::give(block, size);
    }

private:
    struct Node {
        SquareChange* change;
        Node* prev;
        Node* next;

        TILECREST_FRESH_BLOCK static void* operator new(std::size_t size) noexcept {
            return FreeList<Node>::take(size);
        }
        static void operator delete(void* block, std::size_t size) noexcept {
            FreeList<Node>::give(block, size);
        }
    };

    // A move changes at most 20 squares (19 enclosed disks and its own), so the nodes of a
    // record from BuildMoveList always live in the record itself; longer lists go to the heap.
    static constexpr std::size_t OWN_NODES = 20;

    bool isOwnNode(const Node* node) const {
        return node >= ownNodes && node < ownNodes + OWN_NODES;
    }

    // Stands before the first entry, so appending never has to ask whether the list is empty.
    Node front{nullptr, nullptr, nullptr};
    Node* tail = &front;
    std::size_t count = 0;
    Node ownNodes[OWN_NODES];
};

// Writes every entry's after value into its square, front to back; null entries are skipped.
inline void applyMoveList(const MoveList& moveList, Board& board) {
    // Done on the two words of rows at once rather than row by row: the search reads the
    // board back as words, which small stores just before would stall.
    uint64_t top, bottom;
    boardbits::loadRows(board, top, bottom);
#if defined(__GNUC__)
    typedef uint64_t Words __attribute__((vector_size(16)));
    Words words = {top, bottom};
    for (const SquareChange* change : moveList) {
        if (change == nullptr) continue;
        Words square;
        std::memcpy(&square, boardbits::SQUARE_MASKS.mask[change->row & 7][change->column & 7],
                    sizeof square);
        words = (words & ~square) | (square & (change->after & 3) * boardbits::EVEN_BITS);
    }
    top = words[0];
    bottom = words[1];
#else
    for (const SquareChange* change : moveList) {
        if (change == nullptr) continue;
        const uint64_t* square = boardbits::SQUARE_MASKS.mask[change->row & 7][change->column & 7];
        const uint64_t value = (change->after & 3) * boardbits::EVEN_BITS;
        top = (top & ~square[0]) | (square[0] & value);
        bottom = (bottom & ~square[1]) | (square[1] & value);
    }
#endif
    boardbits::storeRows(board, top, bottom);
}
