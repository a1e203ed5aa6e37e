#pragma once

#include <cstdint>
#include <cstring>

#include "rules/Board.h"

// Inlined wherever called. The search kernels need their whole call tree inlined, so that
// it is built for the kernel's instructions: GCC's flatten does that on its own, clang's
// inlines one call deep only.
#if defined(__GNUC__)
#define TILECREST_ALWAYS_INLINE inline __attribute__((always_inline))
#else
#define TILECREST_ALWAYS_INLINE inline
#endif

// The inner workings of the rules on a Board seen as one bit per square. Bit
// 8 * row + (7 - column) stands for a square: the order in which the packed rows already
// keep their columns, so converting is only a matter of dropping every other bit. The
// conversions and the legal-square search come in two forms with the same results:
// ScalarBits here, which runs anywhere, and VectorBits (rules/VectorBits.h).
namespace boardbits {

constexpr uint64_t EVEN_BITS = 0x5555555555555555ull;
// Masks that drop what a one-column shift carries over into the neighbouring row.
constexpr uint64_t NOT_COLUMN_0 = 0x7F7F7F7F7F7F7F7Full;
constexpr uint64_t NOT_COLUMN_7 = 0xFEFEFEFEFEFEFEFEull;

constexpr int bitIndex(int column, int row) {
    return 8 * row + 7 - column;
}

// Both bits of a square in the two words of rows below (rows 0-3, rows 4-7). [row][column].
struct SquareMasks {
    alignas(16) uint64_t mask[8][8][2];
};

constexpr SquareMasks makeSquareMasks() {
    SquareMasks masks{};
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            masks.mask[row][column][row >> 2] = 3ull << (16 * (row & 3) + 14 - 2 * column);
        }
    }
    return masks;
}

inline constexpr SquareMasks SQUARE_MASKS = makeSquareMasks();

// The packed rows as two words: rows 0-3 and rows 4-7, row 0 in the low 16 bits.
inline void loadRows(const Board& board, uint64_t& top, uint64_t& bottom) {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    std::memcpy(&top, &board.rows[0], 8);
    std::memcpy(&bottom, &board.rows[4], 8);
#else
    top = bottom = 0;
    for (int i = 0; i < 4; ++i) {
        top |= static_cast<uint64_t>(board.rows[i]) << (16 * i);
        bottom |= static_cast<uint64_t>(board.rows[i + 4]) << (16 * i);
    }
#endif
}

inline void storeRows(Board& board, uint64_t top, uint64_t bottom) {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    std::memcpy(&board.rows[0], &top, 8);
    std::memcpy(&board.rows[4], &bottom, 8);
#else
    for (int i = 0; i < 4; ++i) {
        board.rows[i] = static_cast<uint16_t>(top >> (16 * i));
        board.rows[i + 4] = static_cast<uint16_t>(bottom >> (16 * i));
    }
#endif
}

// The squares of a packed word that hold LegalMark (both bits set), on the even bits.
inline uint64_t markedPairs(uint64_t word) {
    return word & (word >> 1) & EVEN_BITS;
}

// Reverses the bits of every byte, turning bit 8 * row + 7 - column into 8 * row + column.
inline uint64_t mirrorColumns(uint64_t bits) {
    bits = ((bits >> 1) & 0x5555555555555555ull) | ((bits & 0x5555555555555555ull) << 1);
    bits = ((bits >> 2) & 0x3333333333333333ull) | ((bits & 0x3333333333333333ull) << 2);
    return ((bits >> 4) & 0x0F0F0F0F0F0F0F0Full) | ((bits & 0x0F0F0F0F0F0F0F0Full) << 4);
}

#if defined(__GNUC__)
inline int popCount(uint64_t bits) {
    return __builtin_popcountll(bits);
}
inline int lowestBit(uint64_t bits) {
    return __builtin_ctzll(bits);
}  // bits != 0
inline int highestBit(uint64_t bits) {
    return 63 - __builtin_clzll(bits);
}
#else
inline int popCount(uint64_t bits) {
    int count = 0;
    for (; bits != 0; bits &= bits - 1) ++count;
    return count;
}
inline int lowestBit(uint64_t bits) {
    int bit = 0;
    while ((bits >> bit & 1) == 0) ++bit;
    return bit;
}
inline int highestBit(uint64_t bits) {
    int bit = 63;
    while ((bits >> bit & 1) == 0) --bit;
    return bit;
}
#endif

struct Disks {
    uint64_t red;
    uint64_t blue;
};

struct LegalSquares {
    uint64_t marks;
    int32_t pairs;  // (square, direction) pairs, not squares
};

// One step of every bit towards a neighbour: Shift is the change of bit index, Keep drops
// what wrapped around a row end.
template <int Shift, uint64_t Keep>
inline uint64_t step(uint64_t bits) {
    if constexpr (Shift > 0) {
        return (bits << Shift) & Keep;
    } else {
        return (bits >> -Shift) & Keep;
    }
}

// Empty squares from which a walk against this step's heading crosses one or more
// opponent disks and ends on an own disk: the legal squares for one direction. A run holds
// at most six disks: one step, then two doubling steps of two.
template <int Shift, uint64_t Keep>
TILECREST_ALWAYS_INLINE uint64_t legalAlong(uint64_t own, uint64_t opponent, uint64_t empty) {
    // Opponent disks a step can reach without wrapping around a row end.
    const uint64_t through = opponent & Keep;
    uint64_t line = step<Shift, ~0ull>(own) & through;
    line |= step<Shift, ~0ull>(line) & through;
    const uint64_t pairs = through & step<Shift, ~0ull>(through);
    line |= step<2 * Shift, ~0ull>(line) & pairs;
    line |= step<2 * Shift, ~0ull>(line) & pairs;
    return step<Shift, Keep>(line) & empty;
}

struct ScalarBits {
    // Keeps bits 0, 2, 4, ... of x and packs them into the low 32 bits.
    static uint64_t packEvenBits(uint64_t x) {
        x &= EVEN_BITS;
        x = (x | (x >> 1)) & 0x3333333333333333ull;
        x = (x | (x >> 2)) & 0x0F0F0F0F0F0F0F0Full;
        x = (x | (x >> 4)) & 0x00FF00FF00FF00FFull;
        x = (x | (x >> 8)) & 0x0000FFFF0000FFFFull;
        return (x | (x >> 16)) & 0x00000000FFFFFFFFull;
    }

    // The inverse: spreads the low 32 bits of x onto bits 0, 2, 4, ...
    static uint64_t spreadToEvenBits(uint64_t x) {
        x &= 0x00000000FFFFFFFFull;
        x = (x | (x << 16)) & 0x0000FFFF0000FFFFull;
        x = (x | (x << 8)) & 0x00FF00FF00FF00FFull;
        x = (x | (x << 4)) & 0x0F0F0F0F0F0F0F0Full;
        x = (x | (x << 2)) & 0x3333333333333333ull;
        return (x | (x << 1)) & EVEN_BITS;
    }

    static Disks disksOf(const Board& board) {
        uint64_t top, bottom;
        loadRows(board, top, bottom);
        // A square's low bit is set for Red and LegalMark, its high bit for Blue and LegalMark.
        const uint64_t topLow = top & EVEN_BITS, topHigh = (top >> 1) & EVEN_BITS;
        const uint64_t bottomLow = bottom & EVEN_BITS, bottomHigh = (bottom >> 1) & EVEN_BITS;
        return {packEvenBits(topLow & ~topHigh) | packEvenBits(bottomLow & ~bottomHigh) << 32,
                packEvenBits(topHigh & ~topLow) | packEvenBits(bottomHigh & ~bottomLow) << 32};
    }

    // Replaces every LegalMark of the board by the given set of marked squares.
    TILECREST_ALWAYS_INLINE static void writeMarks(Board& board, uint64_t marks) {
        uint64_t top, bottom;
        loadRows(board, top, bottom);
        top = (top & ~(markedPairs(top) * 3)) | spreadToEvenBits(marks) * 3;
        bottom = (bottom & ~(markedPairs(bottom) * 3)) | spreadToEvenBits(marks >> 32) * 3;
        storeRows(board, top, bottom);
    }

    // The squares that hold LegalMark.
    static uint64_t marksOf(const Board& board) {
        uint64_t top, bottom;
        loadRows(board, top, bottom);
        return packEvenBits(markedPairs(top)) | packEvenBits(markedPairs(bottom)) << 32;
    }

    // Marked squares as bits 8 * row + column, so that row-major order runs from bit 0 up.
    static uint64_t marksInReadingOrder(const Board& board) {
        return mirrorColumns(marksOf(board));
    }

    // The enclosed disks of a move, as flippedSquares below gives them.
    static int flippedSquares(int start, uint64_t own, uint64_t opponent, uint16_t* squares,
                              uint64_t& flipped);

    TILECREST_ALWAYS_INLINE static LegalSquares legalSquares(uint64_t own, uint64_t opponent) {
        const uint64_t empty = ~(own | opponent);
        // A step towards column + 1 lowers the bit index by one, towards row + 1 raises it
        // by eight.
        const uint64_t a = legalAlong<9, NOT_COLUMN_7>(own, opponent, empty);
        const uint64_t b = legalAlong<8, ~0ull>(own, opponent, empty);
        const uint64_t c = legalAlong<7, NOT_COLUMN_0>(own, opponent, empty);
        const uint64_t d = legalAlong<1, NOT_COLUMN_7>(own, opponent, empty);
        const uint64_t e = legalAlong<-1, NOT_COLUMN_0>(own, opponent, empty);
        const uint64_t f = legalAlong<-7, NOT_COLUMN_7>(own, opponent, empty);
        const uint64_t g = legalAlong<-8, ~0ull>(own, opponent, empty);
        const uint64_t h = legalAlong<-9, NOT_COLUMN_0>(own, opponent, empty);
        return {a | b | c | d | e | f | g | h, popCount(a) + popCount(b) + popCount(c) +
                                                   popCount(d) + popCount(e) + popCount(f) +
                                                   popCount(g) + popCount(h)};
    }
};

struct Rays {
    uint64_t squares[8][64];  // [direction][bit of the start]: the walk's squares as bits
    // The same squares nearest first, each as column | row << 8, the rest of the 8 zero.
    uint16_t walk[8][64][8];
};

constexpr Rays makeRays() {
    Rays rays{};
    for (int d = 0; d < 8; ++d) {
        for (int row = 0; row < 8; ++row) {
            for (int column = 0; column < 8; ++column) {
                const int start = bitIndex(column, row);
                int c = column + Directions[d].columnStep, r = row + Directions[d].rowStep;
                for (int k = 0; isOnBoard(c, r); ++k) {
                    rays.squares[d][start] |= 1ull << bitIndex(c, r);
                    rays.walk[d][start][k] = static_cast<uint16_t>(c | r << 8);
                    c += Directions[d].columnStep;
                    r += Directions[d].rowStep;
                }
            }
        }
    }
    return rays;
}

inline constexpr Rays RAYS = makeRays();

// How far one step in a direction moves a bit index.
constexpr int bitStep(int direction) {
    return 8 * Directions[direction].rowStep - Directions[direction].columnStep;
}

// How many opponent disks a disk of `own` placed on bit `start` encloses in one direction:
// the run of opponent disks from the neighbour on, counted only when an own disk closes it.
// The run is unbroken, so the disks are the first entries of RAYS.walk.
template <int D>
TILECREST_ALWAYS_INLINE int flipCount(int start, uint64_t own, uint64_t opponent) {
    constexpr int STEP = bitStep(D);
    const uint64_t stops = RAYS.squares[D][start] & ~opponent;
    int stop;
    uint64_t first;
    if constexpr (STEP > 0) {
        first = stops & (0 - stops);
        stop = lowestBit(stops | (1ull << 63));
    } else {
        // Bit 0 keeps the scan defined when nothing stops the walk; `& stops` drops it again.
        stop = highestBit(stops | 1);
        first = (1ull << stop) & stops;
    }
    // Unsigned, as the difference is never negative: a division by 7 or 9 then needs no
    // sign correction.
    const int distance =
        static_cast<int>(STEP > 0 ? unsigned(stop - start) / STEP : unsigned(start - stop) / -STEP);
    // A multiplication, not a branch: whether a run is closed is as good as random.
    const bool closed = (first & own) != 0;
    return (distance - 1) * static_cast<int>(closed);
}

inline int flipCount(int direction, int start, uint64_t own, uint64_t opponent) {
    switch (direction) {
        case 0:
            return flipCount<0>(start, own, opponent);
        case 1:
            return flipCount<1>(start, own, opponent);
        case 2:
            return flipCount<2>(start, own, opponent);
        case 3:
            return flipCount<3>(start, own, opponent);
        case 4:
            return flipCount<4>(start, own, opponent);
        case 5:
            return flipCount<5>(start, own, opponent);
        case 6:
            return flipCount<6>(start, own, opponent);
        default:
            return flipCount<7>(start, own, opponent);
    }
}

// The enclosed disks of a move on bit `start`, each as column | row << 8: direction 0 to 7,
// each from the nearest disk outward. `squares` needs room for 64 entries; returns how many
// and sets `flipped` to their bits.
TILECREST_ALWAYS_INLINE int flippedSquares(int start, uint64_t own, uint64_t opponent,
                                           uint16_t* squares, uint64_t& flipped) {
    int count = 0;
    // Each direction copies its whole walk and keeps only the enclosed part.
    const auto note = [&](int d, int flips) {
        std::memcpy(squares + count, RAYS.walk[d][start], sizeof RAYS.walk[d][start]);
        count += flips;
    };
    note(0, flipCount<0>(start, own, opponent));
    note(1, flipCount<1>(start, own, opponent));
    note(2, flipCount<2>(start, own, opponent));
    note(3, flipCount<3>(start, own, opponent));
    note(4, flipCount<4>(start, own, opponent));
    note(5, flipCount<5>(start, own, opponent));
    note(6, flipCount<6>(start, own, opponent));
    note(7, flipCount<7>(start, own, opponent));
    // Bit 8 * row + 7 - column of each square: fewer steps than a mask per direction.
    flipped = 0;
    for (int i = 0; i < count; ++i) flipped |= 1ull << (((squares[i] >> 5) | 7) - (squares[i] & 7));
    return count;
}

TILECREST_ALWAYS_INLINE int ScalarBits::flippedSquares(int start, uint64_t own, uint64_t opponent,
                                                       uint16_t* squares, uint64_t& flipped) {
    return boardbits::flippedSquares(start, own, opponent, squares, flipped);
}

}  // namespace boardbits
