#pragma once

#include <cstddef>
#include <new>

// Storage for the class-specific operator new/delete of the move records. The search
// builds and deletes a record with its entries for every position it examines; reusing
// freed blocks keeps that off the general heap. Blocks are kept for reuse, never handed
// back. Single-threaded, like everything in the rules.
//
// TILECREST_FRESH_BLOCK marks the allocation functions as returning memory that nothing else
// points to, so the compiler knows that filling a new entry cannot change a list's fields.
#if defined(__GNUC__)
#define TILECREST_FRESH_BLOCK __attribute__((malloc))
#define TILECREST_UNLIKELY(condition) __builtin_expect(condition, 0)
#else
#define TILECREST_FRESH_BLOCK
#define TILECREST_UNLIKELY(condition) (condition)
#endif

// Under AddressSanitizer every block goes back to the heap, so that a use after free or a
// double free of a record is reported instead of hidden by reuse.
#if defined(__SANITIZE_ADDRESS__)
#define TILECREST_RECYCLE_BLOCKS 0
#else
#define TILECREST_RECYCLE_BLOCKS 1
#endif

template <typename T>
class FreeList {
public:
    TILECREST_FRESH_BLOCK static void* take(std::size_t size) noexcept {
        if (!TILECREST_RECYCLE_BLOCKS || size != sizeof(T))
            return ::operator new(size, std::nothrow);
        if (TILECREST_UNLIKELY(head == nullptr)) return ::operator new(sizeof(Slot), std::nothrow);
        Slot* slot = head;
        head = slot->next;
        return slot;
    }

    static void give(void* block, std::size_t size) noexcept {
        if (block == nullptr) return;
        if (!TILECREST_RECYCLE_BLOCKS || size != sizeof(T)) {
            ::operator delete(block);
            return;
        }
        Slot* slot = static_cast<Slot*>(block);
        slot->next = head;
        head = slot;
    }

private:
    union Slot {
        Slot* next;
        alignas(T) unsigned char bytes[sizeof(T)];
    };
    static inline Slot* head = nullptr;
};
