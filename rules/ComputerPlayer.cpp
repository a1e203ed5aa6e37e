#include "rules/ComputerPlayer.h"

#include "rules/BoardBits.h"
#include "rules/RuleKernels.h"
#include "rules/Rules.h"
#include "rules/SearchKernel.h"
#include "rules/VectorBits.h"
#include "rules/WeightedSums.h"

namespace {

// Evaluate with the weighted sums from Kernel::redMinusBlue.
template <class Kernel>
inline int32_t evaluate(const Board& board, uint8_t side) {
    const int32_t redMinusBlue = Kernel::redMinusBlue(board);
    const int32_t ownMinusOther = side == Red ? redMinusBlue : -redMinusBlue;

    uint64_t top, bottom;
    boardbits::loadRows(board, top, bottom);
    if (boardbits::markedPairs(top) != 0 || boardbits::markedPairs(bottom) != 0) {
        return ownMinusOther;
    }
    // The side to move cannot move, so the game ends here.
    if (ownMinusOther > 0) return 10000;
    if (ownMinusOther < 0) return -10000;
    return 0;
}

template <class Bits>
inline CandidateMoves collectMoves(const Board& board) {
    CandidateMoves candidates;
    for (uint64_t marks = Bits::marksInReadingOrder(board); marks != 0; marks &= marks - 1) {
        const int bit = boardbits::lowestBit(marks);
        candidates.moves[candidates.count++] = {static_cast<uint8_t>(bit & 7),
                                                static_cast<uint8_t>(bit >> 3)};
    }
    return candidates;
}

// The two levels, written once for each kernel: Kernel::Bits gives the bit operations and
// Kernel's own minLevel/maxLevel the recursion, so a search stays in one kernel throughout.
template <class Kernel>
inline int32_t minLevel(Board board, uint8_t side, int32_t depth) {
    if (depth == SearchDepthLimit) return -evaluate<Kernel>(board, side);
    const CandidateMoves candidates = collectMoves<typename Kernel::Bits>(board);
    if (candidates.count == 0) return -evaluate<Kernel>(board, side);
    int32_t best = 9999;
    for (int i = 0; i < candidates.count; ++i) {
        Board child = board;
        rulekernels::makeSearchMove<typename Kernel::Bits>(child, candidates.moves[i].column,
                                                           candidates.moves[i].row, side);
        // MaxLevel at the depth limit only evaluates; doing that here saves a call per leaf.
        const int32_t value = depth + 1 == SearchDepthLimit
                                  ? evaluate<Kernel>(child, opponentOf(side))
                                  : Kernel::maxLevel(child, opponentOf(side), depth + 1);
        if (value < best) best = value;
    }
    return best;
}

template <class Kernel>
inline int32_t maxLevel(Board board, uint8_t side, int32_t depth) {
    if (depth == SearchDepthLimit) return evaluate<Kernel>(board, side);
    const CandidateMoves candidates = collectMoves<typename Kernel::Bits>(board);
    if (candidates.count == 0) return evaluate<Kernel>(board, side);
    int32_t best = -9999;
    for (int i = 0; i < candidates.count; ++i) {
        Board child = board;
        rulekernels::makeSearchMove<typename Kernel::Bits>(child, candidates.moves[i].column,
                                                           candidates.moves[i].row, side);
        const int32_t value = depth + 1 == SearchDepthLimit
                                  ? -evaluate<Kernel>(child, opponentOf(side))
                                  : Kernel::minLevel(child, opponentOf(side), depth + 1);
        if (value > best) best = value;
    }
    return best;
}

// flatten pulls every rule call of a level into it (the other level stays a call), which
// is what lets the AVX2 kernel build all of them for AVX2.
#if defined(__GNUC__)
#define TILECREST_LEVEL __attribute__((flatten, noinline))
#else
#define TILECREST_LEVEL
#endif
struct PortableKernel {
    using Bits = boardbits::ScalarBits;
    static int32_t redMinusBlue(const Board& board) { return weightedsums::byBytes(board); }
    TILECREST_LEVEL static int32_t minLevel(Board board, uint8_t side, int32_t depth) {
        return ::minLevel<PortableKernel>(board, side, depth);
    }
    TILECREST_LEVEL static int32_t maxLevel(Board board, uint8_t side, int32_t depth) {
        return ::maxLevel<PortableKernel>(board, side, depth);
    }
};

#ifdef TILECREST_VECTOR_BITS

struct Avx2Kernel {
    using Bits = boardbits::VectorBits;
    TILECREST_AVX2 static int32_t redMinusBlue(const Board& board) {
        return weightedsums::byLanes(board);
    }
    TILECREST_AVX2 TILECREST_LEVEL static int32_t minLevel(Board board, uint8_t side,
                                                           int32_t depth) {
        return ::minLevel<Avx2Kernel>(board, side, depth);
    }
    TILECREST_AVX2 TILECREST_LEVEL static int32_t maxLevel(Board board, uint8_t side,
                                                           int32_t depth) {
        return ::maxLevel<Avx2Kernel>(board, side, depth);
    }
};

bool processorHasAvx2Kernel() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") &&
           __builtin_cpu_supports("bmi2") && __builtin_cpu_supports("lzcnt") &&
           __builtin_cpu_supports("popcnt");
}
#else
bool processorHasAvx2Kernel() {
    return false;
}
#endif

SearchKernel& currentKernel() {
    static SearchKernel kernel =
        processorHasAvx2Kernel() ? SEARCH_KERNEL_AVX2 : SEARCH_KERNEL_PORTABLE;
    return kernel;
}

}  // namespace

bool searchKernelAvailable(SearchKernel kernel) {
    if (kernel == SEARCH_KERNEL_PORTABLE) return true;
    static const bool avx2 = processorHasAvx2Kernel();
    return kernel == SEARCH_KERNEL_AVX2 && avx2;
}

bool selectSearchKernel(SearchKernel kernel) {
    if (!searchKernelAvailable(kernel)) return false;
    currentKernel() = kernel;
    return true;
}

SearchKernel selectedSearchKernel() {
    return currentKernel();
}

int32_t Evaluate(const Board& board, uint8_t side) {
    return evaluate<PortableKernel>(board, side);
}

CandidateMoves CollectMoves(const Board& board) {
    return collectMoves<boardbits::ScalarBits>(board);
}

int32_t MinLevel(Board board, uint8_t side, int32_t depth) {
#ifdef TILECREST_VECTOR_BITS
    if (currentKernel() == SEARCH_KERNEL_AVX2) return Avx2Kernel::minLevel(board, side, depth);
#endif
    return PortableKernel::minLevel(board, side, depth);
}

int32_t MaxLevel(Board board, uint8_t side, int32_t depth) {
#ifdef TILECREST_VECTOR_BITS
    if (currentKernel() == SEARCH_KERNEL_AVX2) return Avx2Kernel::maxLevel(board, side, depth);
#endif
    return PortableKernel::maxLevel(board, side, depth);
}

Move ComputeMove(const Board& board, uint8_t side) {
    Move result = NoMove;
    int32_t best = -9999;
    const CandidateMoves candidates = CollectMoves(board);
    for (int i = 0; i < candidates.count; ++i) {
        Board child = board;
        MakeSearchMove(child, candidates.moves[i].column, candidates.moves[i].row, side);
        const int32_t value = MinLevel(child, opponentOf(side), 0);
        if (value > best) {
            best = value;
            result = candidates.moves[i];
        }
    }
    return result;
}
