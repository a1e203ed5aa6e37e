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
    if (ownMinusOther > 0) return SCORE_WIN;
    if (ownMinusOther < 0) return -SCORE_WIN;
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
    int32_t best = MAXIMISE ? -SCORE_BOUND : SCORE_BOUND;
    // Row-major order is the order of the bits once the columns are mirrored.
    const uint64_t candidates = boardbits::mirrorColumns(state.marks);
    if (depth + 1 == SearchDepthLimit) {
        // The level below would only evaluate, so this one does it and saves a call per leaf.
        // A loop of its own lets the compiler drop what nobody reads of a leaf's board.
        for (uint64_t moves = candidates; moves != 0; moves &= moves - 1) {
            Board child = board;
            const rulekernels::Played played = rulekernels::playSearchMove<typename Kernel::Bits>(
                child, state, boardbits::lowestBit(moves) ^ 7, side);
            // The value if the opponent can move. If it cannot, the value is 0 or lies further
            // out on the same side of 0; when neither can beat the best, the legal squares
            // that tell them apart are not needed.
            const int32_t value = -SIGN * evaluateSums(played.redMinusBlue, 1, opponent);
            if (MAXIMISE ? value <= best && value <= 0 : value >= best && value >= 0) continue;
            const bool canMove = rulekernels::opponentCanMove<typename Kernel::Bits>(state, played);
            const int32_t exact = -SIGN * evaluateSums(played.redMinusBlue, canMove, opponent);
            if (MAXIMISE ? exact > best : exact < best) best = exact;
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
// is what lets the avx2 kernel build all of them for its instructions. Clang's goes one call
// deep; the rule functions below that are TILECREST_ALWAYS_INLINE.
#if defined(__GNUC__)
#define TILECREST_LEVEL __attribute__((flatten, noinline))
#else
#define TILECREST_LEVEL
#endif

// The same source built once per build of the search: BITS gives its bit operations, SUMS
// its weighted sums and TARGET the instructions the compiler may use (none beyond the
// default for the portable build).
#define TILECREST_SEARCH_KERNEL(NAME, TARGET, BITS, SUMS)                                     \
    struct NAME {                                                                             \
        using Bits = BITS;                                                                    \
        TARGET static int32_t redMinusBlue(const Board& board) { return SUMS(board); }        \
        TARGET TILECREST_LEVEL static int32_t minLevel(const Board& board,                    \
                                                       const rulekernels::SearchState& state, \
                                                       uint8_t side, int32_t depth) {         \
            return level<NAME, false>(board, state, side, depth);                             \
        }                                                                                     \
        TARGET TILECREST_LEVEL static int32_t maxLevel(const Board& board,                    \
                                                       const rulekernels::SearchState& state, \
                                                       uint8_t side, int32_t depth) {         \
            return level<NAME, true>(board, state, side, depth);                              \
        }                                                                                     \
    }
TILECREST_SEARCH_KERNEL(PortableKernel, , boardbits::ScalarBits, weightedsums::byBytes);
#ifdef TILECREST_VECTOR_BITS
TILECREST_SEARCH_KERNEL(Avx2Kernel, TILECREST_AVX2, boardbits::VectorBits, weightedsums::byLanes);
#endif

template <bool MAXIMISE>
int32_t levelInCurrentKernel(const Board& board, uint8_t side, int32_t depth) {
#ifdef TILECREST_VECTOR_BITS
    if (currentSearchKernel() == SEARCH_KERNEL_AVX2)
        return levelOf<Avx2Kernel, MAXIMISE>(board, side, depth);
#endif
    return levelOf<PortableKernel, MAXIMISE>(board, side, depth);
}

}  // namespace

int32_t Evaluate(const Board& board, uint8_t side) {
    return evaluate<PortableKernel>(board, side);
}

CandidateMoves CollectMoves(const Board& board) {
    return collectMoves<boardbits::ScalarBits>(board);
}

int32_t MinLevel(Board board, uint8_t side, int32_t depth) {
    return levelInCurrentKernel<false>(board, side, depth);
}

int32_t MaxLevel(Board board, uint8_t side, int32_t depth) {
    return levelInCurrentKernel<true>(board, side, depth);
}

Move ComputeMove(const Board& board, uint8_t side) {
    Move result = NoMove;
    int32_t best = -SCORE_BOUND;
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
