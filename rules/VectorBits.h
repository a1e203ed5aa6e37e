#pragma once

#include <cstdint>

#include "rules/BoardBits.h"

// The bit operations of ScalarBits again, for processors with AVX2, BMI1, LZCNT and POPCNT:
// GCC vector lanes (which clang builds too) for the eight directions, four at a time; the
// conversions between the packed rows and one bit per square stay ScalarBits' shifts and
// masks. The results are exactly those of ScalarBits. The functions carry no target of their
// own: they are always inlined, and only a search kernel built for TILECREST_AVX2 calls them,
// so they become AVX2 code there. (Elsewhere they would work, as slow SSE2 code.) Lanes pass
// by reference, as an AVX vector by value changes the calling convention.
#if defined(__GNUC__) && defined(__x86_64__)
#define TILECREST_VECTOR_BITS 1

#include <immintrin.h>

#define TILECREST_AVX2 __attribute__((target("avx2,bmi,lzcnt,popcnt")))

namespace boardbits {

// The lane functions hide ScalarBits' own.
struct VectorBits : ScalarBits {
    typedef uint64_t Lanes4 __attribute__((vector_size(32)));
    typedef int64_t Signed4 __attribute__((vector_size(32)));

    // Lane by lane the bit index changes +9, +8, +7, +1 (up) and -9, -8, -7, -1 (down),
    // with the same wrap masks as ScalarBits.
    static constexpr Lanes4 SHIFTS = {9, 8, 7, 1};
    static constexpr Lanes4 KEEP_UP = {NOT_COLUMN_7, ~0ull, NOT_COLUMN_0, NOT_COLUMN_7};
    static constexpr Lanes4 KEEP_DOWN = {NOT_COLUMN_0, ~0ull, NOT_COLUMN_7, NOT_COLUMN_0};

    // Adds to `from` the runs of `through` that follow it step by step, up or down: three
    // doubling steps instead of six single ones. `through` carries the wrap mask.
    TILECREST_ALWAYS_INLINE static void fillUp(Lanes4& from, const Lanes4& through) {
        Lanes4 runs = through;
        from |= runs & (from << SHIFTS);
        runs &= runs << SHIFTS;
        from |= runs & (from << (SHIFTS * 2));
        runs &= runs << (SHIFTS * 2);
        from |= runs & (from << (SHIFTS * 4));
    }

    TILECREST_ALWAYS_INLINE static void fillDown(Lanes4& from, const Lanes4& through) {
        Lanes4 runs = through;
        from |= runs & (from >> SHIFTS);
        runs &= runs >> SHIFTS;
        from |= runs & (from >> (SHIFTS * 2));
        runs &= runs >> (SHIFTS * 2);
        from |= runs & (from >> (SHIFTS * 4));
    }

    TILECREST_ALWAYS_INLINE static LegalSquares legalSquares(uint64_t own, uint64_t opponent) {
        const uint64_t empty = ~(own | opponent);
        const Lanes4 theirs = Lanes4{opponent, opponent, opponent, opponent};
        // The opponent disks that follow an own disk, one step further, onto an empty square.
        Lanes4 up = Lanes4{own, own, own, own}, down = up;
        fillUp(up, KEEP_UP & opponent);
        fillDown(down, KEEP_DOWN & opponent);
        up = ((up & theirs) << SHIFTS) & KEEP_UP & empty;
        down = ((down & theirs) >> SHIFTS) & KEEP_DOWN & empty;
        const Lanes4 both = up | down;
        return {both[0] | both[1] | both[2] | both[3],
                popCount(up[0]) + popCount(up[1]) + popCount(up[2]) + popCount(up[3]) +
                    popCount(down[0]) + popCount(down[1]) + popCount(down[2]) + popCount(down[3])};
    }

    // flippedSquares of BoardBits.h: the runs of opponent disks from the start are walked
    // in all eight directions at once and kept where an own disk closes them.
    TILECREST_ALWAYS_INLINE static int flippedSquares(int start, uint64_t own, uint64_t opponent,
                                                      uint16_t* squares, uint64_t& flipped) {
        const uint64_t from = 1ull << start;
        const Lanes4 origin = Lanes4{from, from, from, from};
        // The runs of opponent disks after the start, kept where an own disk follows them.
        // (Right next to an own disk the run is empty, so nothing is kept either way.)
        Lanes4 up = origin, down = origin;
        fillUp(up, KEEP_UP & opponent);
        fillDown(down, KEEP_DOWN & opponent);
        const Lanes4 closedUp = (up << SHIFTS) & KEEP_UP & own;
        const Lanes4 closedDown = (down >> SHIFTS) & KEEP_DOWN & own;
        up = (up ^ origin) & (Lanes4)((Signed4)closedUp != 0);
        down = (down ^ origin) & (Lanes4)((Signed4)closedDown != 0);
        const Lanes4 both = up | down;
        flipped = both[0] | both[1] | both[2] | both[3];
        // Up lanes are directions 5, 6, 7 and 3; down lanes 2, 1, 0 and 4.
        const int counts[8] = {popCount(down[2]), popCount(down[1]), popCount(down[0]),
                               popCount(up[3]),   popCount(down[3]), popCount(up[0]),
                               popCount(up[1]),   popCount(up[2])};
        int count = 0;
        for (int d = 0; d < 8; ++d) {
            std::memcpy(squares + count, RAYS.walk[d][start], sizeof RAYS.walk[d][start]);
            count += counts[d];
        }
        return count;
    }
};

}  // namespace boardbits

#endif
