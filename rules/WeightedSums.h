#pragma once

#include <cstdint>

#include "rules/Board.h"
#include "rules/BoardBits.h"
#include "rules/ComputerPlayer.h"
#include "rules/VectorBits.h"

// Red's weighted sum minus Blue's (SquareWeights over the squares each side holds), the heart
// of Evaluate: byBytes anywhere, byLanes with AVX2 (see rules/VectorBits.h). Same results.
namespace weightedsums {

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

inline constexpr ByteScores BYTE_SCORES = makeByteScores();

// Red's weighted sum minus Blue's, looked up a byte of a row at a time.
inline int32_t byBytes(const Board& board) {
    int32_t redMinusBlue = 0;
    for (int row = 0; row < 8; ++row) {
        redMinusBlue += BYTE_SCORES.score[row][0][board.rows[row] & 0xFF];
        redMinusBlue += BYTE_SCORES.score[row][1][board.rows[row] >> 8];
    }
    return redMinusBlue;
}

#ifdef TILECREST_VECTOR_BITS
// The weights in the order byLanes meets the squares: for each of the 16 bytes of the packed
// rows, `a` holds the weight of its square at bits 0-1, then (16 bytes on) at bits 2-3, and `b`
// those at bits 4-5 and 6-7.
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

inline constexpr LaneWeights LANE_WEIGHTS = makeLaneWeights();

// The same sum with AVX2: every square becomes 2 for Red, 0 for Blue and 1 otherwise, is
// multiplied by its weight, and the total of all weights is taken off again.
TILECREST_AVX2 inline int32_t byLanes(const Board& board) {
    // Two 8-byte loads, as the rules just stored the board: a 16-byte load would stall.
    uint64_t top, bottom;
    boardbits::loadRows(board, top, bottom);
    const __m256i rows = _mm256_broadcastsi128_si256(
        _mm_set_epi64x(static_cast<long long>(bottom), static_cast<long long>(top)));
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
    __m128i total =
        _mm_add_epi32(_mm256_castsi256_si128(words), _mm256_extracti128_si256(words, 1));
    total = _mm_add_epi32(total, _mm_shuffle_epi32(total, 0x4E));
    total = _mm_add_epi32(total, _mm_shuffle_epi32(total, 0xB1));
    return _mm_cvtsi128_si32(total) - LANE_WEIGHTS.total;
}
#endif

}  // namespace weightedsums
