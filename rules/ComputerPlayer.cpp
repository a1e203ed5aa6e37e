#include "rules/ComputerPlayer.h"

#include "rules/BoardBits.h"
#include "rules/RuleKernels.h"
#include "rules/Rules.h"
#include "rules/SearchKernel.h"
#include "rules/VectorBits.h"
#include "rules/WeightedSums.h"

namespace {

// Evaluate for `side` from Red's weighted sum minus Blue's and the LegalMark squares.
inline int32_t evaluateSums(int32_t redMinusBlue, uint64_t marks, uint8_t side) {
    const int32_t ownMinusOther = side == Red ? redMinusBlue : -redMinusBlue;
    if (marks != 0) return ownMinusOther;
    // The side to move cannot move, so the game ends here.
    if (ownMinusOther > 0) return 10000;
    if (ownMinusOther < 0) return -10000;
    return 0;
}

// Evaluate with the weighted sums from Kernel::redMinusBlue.
template <class Kernel>
inline int32_t evaluate(const Board& board, uint8_t side) {
    uint64_t top, bottom;
    boardbits::loadRows(board, top, bottom);
    return evaluateSums(Kernel::redMinusBlue(board),
                        boardbits::markedPairs(top) | boardbits::markedPairs(bottom), side);
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

// MinLevel (MAXIMISE false) or MaxLevel (true) below the depth limit, written once for each
// kernel: Kernel::Bits gives the bit operations and Kernel's own minLevel/maxLevel the
// recursion, so a search stays in one kernel throughout. `state` describes `board` for
// `side`: its marks are the candidates and its sums the evaluation, carried down from the
// records instead of read from every board again.
template <class Kernel, bool MAXIMISE>
inline int32_t level(const Board& board, const rulekernels::SearchState& state, uint8_t side,
                     int32_t depth) {
    // MinLevel negates every evaluation of the side it is given.
    constexpr int32_t SIGN = MAXIMISE ? 1 : -1;
    if (state.marks == 0) return SIGN * evaluateSums(state.redMinusBlue, 0, side);
    const uint8_t opponent = opponentOf(side);
    int32_t best = MAXIMISE ? -9999 : 9999;
    // Row-major order is the order of the bits once the columns are mirrored.
    const uint64_t candidates = boardbits::mirrorColumns(state.marks);
    if (depth + 1 == SearchDepthLimit) {
        // The level below would only evaluate, so this one does it and saves a call per leaf.
        // A loop of its own lets the compiler drop what nobody reads of a leaf's board.
        for (uint64_t moves = candidates; moves != 0; moves &= moves - 1) {
            Board child = board;
            const rulekernels::SearchState next = rulekernels::searchMove<typename Kernel::Bits>(
                child, state, boardbits::lowestBit(moves) ^ 7, side);
            const int32_t value = -SIGN * evaluateSums(next.redMinusBlue, next.marks, opponent);
            if (MAXIMISE ? value > best : value < best) best = value;
        }
        return best;
    }
    for (uint64_t moves = candidates; moves != 0; moves &= moves - 1) {
        Board child = board;
        const rulekernels::SearchState next = rulekernels::searchMove<typename Kernel::Bits>(
            child, state, boardbits::lowestBit(moves) ^ 7, side);
        const int32_t value = MAXIMISE ? Kernel::minLevel(child, next, opponent, depth + 1)
                                       : Kernel::maxLevel(child, next, opponent, depth + 1);
        if (MAXIMISE ? value > best : value < best) best = value;
    }
    return best;
}

// MinLevel or MaxLevel on a board as it stands.
template <class Kernel, bool MAXIMISE>
inline int32_t levelOf(const Board& board, uint8_t side, int32_t depth) {
    if (depth == SearchDepthLimit) return (MAXIMISE ? 1 : -1) * evaluate<Kernel>(board, side);
    const rulekernels::SearchState state =
        rulekernels::searchStateOf<typename Kernel::Bits>(board, side, Kernel::redMinusBlue(board));
    return MAXIMISE ? Kernel::maxLevel(board, state, side, depth)
                    : Kernel::minLevel(board, state, side, depth);
}

// flatten pulls every rule call of a level into it (the other level stays a call), which
// is what lets the vector kernels build all of them for their instructions.
#if defined(__GNUC__)
#define TILECREST_LEVEL __attribute__((flatten, noinline))
#else
#define TILECREST_LEVEL
#endif
struct PortableKernel {
    using Bits = boardbits::ScalarBits;
    static int32_t redMinusBlue(const Board& board) { return weightedsums::byBytes(board); }
    TILECREST_LEVEL static int32_t minLevel(const Board& board,
                                            const rulekernels::SearchState& state, uint8_t side,
                                            int32_t depth) {
        return level<PortableKernel, false>(board, state, side, depth);
    }
    TILECREST_LEVEL static int32_t maxLevel(const Board& board,
                                            const rulekernels::SearchState& state, uint8_t side,
                                            int32_t depth) {
        return level<PortableKernel, true>(board, state, side, depth);
    }
};

#ifdef TILECREST_VECTOR_BITS

struct Avx2Kernel {
    using Bits = boardbits::VectorBits;
    TILECREST_AVX2 static int32_t redMinusBlue(const Board& board) {
        return weightedsums::byLanes(board);
    }
    TILECREST_AVX2 TILECREST_LEVEL static int32_t minLevel(const Board& board,
                                                           const rulekernels::SearchState& state,
                                                           uint8_t side, int32_t depth) {
        return level<Avx2Kernel, false>(board, state, side, depth);
    }
    TILECREST_AVX2 TILECREST_LEVEL static int32_t maxLevel(const Board& board,
                                                           const rulekernels::SearchState& state,
                                                           uint8_t side, int32_t depth) {
        return level<Avx2Kernel, true>(board, state, side, depth);
    }
};

// Avx2Kernel's source again, built for AVX-512VL: its three-input logic, its extra
// registers and its mask compares serve the same 256-bit lanes in fewer instructions.
struct Avx512Kernel {
    using Bits = boardbits::VectorBits;
    TILECREST_AVX512 static int32_t redMinusBlue(const Board& board) {
        return weightedsums::byLanes(board);
    }
    TILECREST_AVX512 TILECREST_LEVEL static int32_t minLevel(const Board& board,
                                                             const rulekernels::SearchState& state,
                                                             uint8_t side, int32_t depth) {
        return level<Avx512Kernel, false>(board, state, side, depth);
    }
    TILECREST_AVX512 TILECREST_LEVEL static int32_t maxLevel(const Board& board,
                                                             const rulekernels::SearchState& state,
                                                             uint8_t side, int32_t depth) {
        return level<Avx512Kernel, true>(board, state, side, depth);
    }
};

bool processorHasAvx2Kernel() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") &&
           __builtin_cpu_supports("bmi2") && __builtin_cpu_supports("lzcnt") &&
           __builtin_cpu_supports("popcnt");
}

bool processorHasAvx512Kernel() {
    return processorHasAvx2Kernel() && __builtin_cpu_supports("avx512f") &&
           __builtin_cpu_supports("avx512vl") && __builtin_cpu_supports("avx512bw") &&
           __builtin_cpu_supports("avx512dq");
}
#else
bool processorHasAvx2Kernel() {
    return false;
}
bool processorHasAvx512Kernel() {
    return false;
}
#endif

SearchKernel& currentKernel() {
    static SearchKernel kernel = processorHasAvx512Kernel() ? SEARCH_KERNEL_AVX512
                                 : processorHasAvx2Kernel() ? SEARCH_KERNEL_AVX2
                                                            : SEARCH_KERNEL_PORTABLE;
    return kernel;
}

template <bool MAXIMISE>
int32_t levelWithSelectedKernel(const Board& board, uint8_t side, int32_t depth) {
#ifdef TILECREST_VECTOR_BITS
    switch (currentKernel()) {
        case SEARCH_KERNEL_AVX512:
            return levelOf<Avx512Kernel, MAXIMISE>(board, side, depth);
        case SEARCH_KERNEL_AVX2:
            return levelOf<Avx2Kernel, MAXIMISE>(board, side, depth);
        default:
            break;
    }
#endif
    return levelOf<PortableKernel, MAXIMISE>(board, side, depth);
}

}  // namespace

bool searchKernelAvailable(SearchKernel kernel) {
    static const bool avx2 = processorHasAvx2Kernel();
    static const bool avx512 = processorHasAvx512Kernel();
    return kernel == SEARCH_KERNEL_PORTABLE || (kernel == SEARCH_KERNEL_AVX2 && avx2) ||
           (kernel == SEARCH_KERNEL_AVX512 && avx512);
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
    return levelWithSelectedKernel<false>(board, side, depth);
}

int32_t MaxLevel(Board board, uint8_t side, int32_t depth) {
    return levelWithSelectedKernel<true>(board, side, depth);
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
