#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "rules/Board.h"
#include "rules/BoardBits.h"
#include "rules/FreeList.h"
#include "rules/ObjectCounters.h"

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
    static void* operator new(std::size_t size) noexcept {
        return FreeList<SquareChange>::take(size);
    }
    static void operator delete(void* block, std::size_t size) noexcept {
        FreeList<SquareChange>::give(block, size);
    }
};

// Base of the records kept on the undo history; deleted through this type.
class UndoObject {
public:
    UndoObject() = default;
    virtual ~UndoObject() = default;
    UndoObject(const UndoObject&) = delete;
    UndoObject& operator=(const UndoObject&) = delete;
};

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
    ~MoveList() override {
        uint32_t deleted = 0;
        for (Node* node = head; node != nullptr;) {
            Node* next = node->next;
            if (node->change != nullptr) {
                delete node->change;
                ++deleted;
            }
            if (count > OWN_NODES && !isOwnNode(node)) delete node;
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
        link(node, node);
        ++count;
        return true;
    }

    // The same as append for each of `number` entries in turn, in one go. Returns how many
    // were appended: fewer only when no memory is left, the rest staying with the caller.
    std::size_t appendAll(SquareChange* const* changes, std::size_t number) {
        std::size_t appended = 0;
        if (count < OWN_NODES && number > 0) {
            // Own nodes lie one after another, so each one's next is simply the following one.
            appended = number < OWN_NODES - count ? number : OWN_NODES - count;
            Node* const first = &ownNodes[count];
            Node* previous = tail;
            for (std::size_t i = 0; i < appended; ++i) {
                first[i] = Node{changes[i], previous, first + i + 1};
                previous = first + i;
            }
            previous->next = nullptr;
            link(first, previous);
            count += appended;
        }
        while (appended < number && append(changes[appended])) ++appended;
        return appended;
    }

    // Entries from the front (first appended) to the back; an entry may be null.
    Iterator begin() const { return Iterator(head); }
    Iterator end() const { return Iterator(nullptr); }
    std::size_t size() const { return count; }

    static void* operator new(std::size_t size) noexcept { return FreeList<MoveList>::take(size); }
    static void operator delete(void* block, std::size_t size) noexcept {
        FreeList<MoveList>::give(block, size);
    }

private:
    struct Node {
        SquareChange* change;
        Node* prev;
        Node* next;

        static void* operator new(std::size_t size) noexcept { return FreeList<Node>::take(size); }
        static void operator delete(void* block, std::size_t size) noexcept {
            FreeList<Node>::give(block, size);
        }
    };

    // A move changes at most 20 squares (19 enclosed disks and its own), so the nodes of a
    // record from BuildMoveList always live in the record itself; longer lists go to the heap.
    static constexpr std::size_t OWN_NODES = 20;

    // Hangs the chain first..last (already linked within) after the tail.
    void link(Node* first, Node* last) {
        if (tail != nullptr) {
            tail->next = first;
        } else {
            head = first;
        }
        tail = last;
    }

    bool isOwnNode(const Node* node) const {
        return node >= ownNodes && node < ownNodes + OWN_NODES;
    }

    Node* head = nullptr;
    Node* tail = nullptr;
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

// Writes the change's before value back into its square. A null change is ignored.
inline void RestoreSquare(const SquareChange* change, Board& board) {
    if (change != nullptr) setSquare(board, change->column, change->row, change->before);
}
