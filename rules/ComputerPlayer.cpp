#include "rules/ComputerPlayer.h"

#include "rules/BoardBits.h"
#include "rules/RuleKernels.h"
#include "rules/Rules.h"
#include "rules/SearchKernel.h"
#include "rules/VectorBits.h"

namespace {

// Red's weighted sum minus Blue's over the four squares of one byte of a packed row:
// [row][0] for the low byte (columns 7 to 4), [row][1] for the high byte (columns 3 to 0).
struct ByteScores {
    int16_t score[8][2][256];
};

constexpr ByteScores makeByteScores() {
    ByteScores table{};
    for (int row = 0; row < 8; ++row) {
        for (int half = 0; half < 2; ++half) {
            for (int bits = 0; bits < 256; ++bits) {
                int score = 0;
                for (int j = 0; j < 4; ++j) {
                    const int value = (bits >> (2 * j)) & 3;
                    const int weight = SquareWeights[row][(half == 0 ? 7 : 3) - j];
                    if (value == Red) score += weight;
                    if (value == Blue) score -= weight;
                }
                table.score[row][half][bits] = static_cast<int16_t>(score);
            }
        }
    }
    return table;
}

constexpr ByteScores BYTE_SCORES = makeByteScores();

// Red's weighted sum minus Blue's, looked up a byte of a row at a time.
inline int32_t redMinusBlueByBytes(const Board& board) {
    int32_t redMinusBlue = 0;
    for (int row = 0; row < 8; ++row) {
        redMinusBlue += BYTE_SCORES.score[row][0][board.rows[row] & 0xFF];
        redMinusBlue += BYTE_SCORES.score[row][1][board.rows[row] >> 8];
    }
    return redMinusBlue;
}

#ifdef TILECREST_VECTOR_BITS
// The weights in the order redMinusBlueByLanes meets the squares: the 16 bytes of the packed
// rows, first for their squares at bits 0-1, then 2-3 (WEIGHTS_A), then 4-5 and 6-7 (WEIGHTS_B).
struct LaneWeights {
    int8_t a[32];
    int8_t b[32];
    int32_t total;
};

constexpr LaneWeights makeLaneWeights() {
    LaneWeights weights{};
    for (int byte = 0; byte < 16; ++byte) {
        const int row = byte / 2;
        const int lastColumn = byte % 2 == 0 ? 7 : 3;  // the column at bits 0-1 of the byte
        weights.a[byte] = static_cast<int8_t>(SquareWeights[row][lastColumn]);
        weights.a[16 + byte] = static_cast<int8_t>(SquareWeights[row][lastColumn - 1]);
        weights.b[byte] = static_cast<int8_t>(SquareWeights[row][lastColumn - 2]);
        weights.b[16 + byte] = static_cast<int8_t>(SquareWeights[row][lastColumn - 3]);
    }
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) weights.total += SquareWeights[row][column];
    }
    return weights;
}

constexpr LaneWeights LANE_WEIGHTS = makeLaneWeights();

// The same sum with AVX2: every square becomes 2 for Red, 0 for Blue and 1 otherwise, is
// multiplied by its weight, and the total of all weights is taken off again.
TILECREST_AVX2 inline int32_t redMinusBlueByLanes(const Board& board) {
    const __m256i rows = _mm256_broadcastsi128_si256(
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(board.rows)));
    const __m256i twoBits = _mm256_set1_epi8(3);
    const __m256i squaresA =
        _mm256_and_si256(_mm256_srlv_epi64(rows, _mm256_setr_epi64x(0, 0, 2, 2)), twoBits);
    const __m256i squaresB =
        _mm256_and_si256(_mm256_srlv_epi64(rows, _mm256_setr_epi64x(4, 4, 6, 6)), twoBits);
    const __m256i factor = _mm256_setr_epi8(1, 2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  //
                                            1, 2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    const __m256i sums = _mm256_add_epi16(
        _mm256_maddubs_epi16(_mm256_shuffle_epi8(factor, squaresA),
                             _mm256_loadu_si256(reinterpret_cast<const __m256i*>(LANE_WEIGHTS.a))),
        _mm256_maddubs_epi16(_mm256_shuffle_epi8(factor, squaresB),
                             _mm256_loadu_si256(reinterpret_cast<const __m256i*>(LANE_WEIGHTS.b))));
    const __m256i words = _mm256_madd_epi16(sums, _mm256_set1_epi16(1));
    __m128i total = _mm_add_epi32(_mm256_castsi256_si128(words), _mm256_extracti128_si256(words, 1));
    total = _mm_add_epi32(total, _mm_shuffle_epi32(total, 0x4E));
    total = _mm_add_epi32(total, _mm_shuffle_epi32(total, 0xB1));
    return _mm_cvtsi128_si32(total) - LANE_WEIGHTS.total;
}
#endif

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
        const int bit = __builtin_ctzll(marks);
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
struct PortableKernel {
    using Bits = boardbits::ScalarBits;
    static int32_t redMinusBlue(const Board& board) { return redMinusBlueByBytes(board); }
    __attribute__((flatten, noinline)) static int32_t minLevel(Board board, uint8_t side,
                                                               int32_t depth) {
        return ::minLevel<PortableKernel>(board, side, depth);
    }
    __attribute__((flatten, noinline)) static int32_t maxLevel(Board board, uint8_t side,
                                                               int32_t depth) {
        return ::maxLevel<PortableKernel>(board, side, depth);
    }
};

#ifdef TILECREST_VECTOR_BITS

struct Avx2Kernel {
    using Bits = boardbits::VectorBits;
    TILECREST_AVX2 static int32_t redMinusBlue(const Board& board) {
        return redMinusBlueByLanes(board);
    }
    TILECREST_AVX2 __attribute__((flatten, noinline)) static int32_t minLevel(Board board, uint8_t side, int32_t depth) {
        return ::minLevel<Avx2Kernel>(board, side, depth);
    }
    TILECREST_AVX2 __attribute__((flatten, noinline)) static int32_t maxLevel(Board board, uint8_t side, int32_t depth) {
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
bool processorHasAvx2Kernel() { return false; }
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

SearchKernel selectedSearchKernel() { return currentKernel(); }

int32_t Evaluate(const Board& board, uint8_t side) { return evaluate<PortableKernel>(board, side); }

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
