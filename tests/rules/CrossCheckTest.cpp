#include <memory>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "rules/ComputerPlayer.h"
#include "rules/ObjectCounters.h"
#include "rules/Position.h"
#include "rules/Rules.h"
#include "rules/RuleKernels.h"
#include "rules/SearchKernel.h"
#include "rules/VectorBits.h"
#include "rules/WeightedSums.h"
#include "tests/rules/Reference.h"
#include "tools/search/Perft.h"

namespace {

bool sameBoard(const Board& a, const Board& b) {
    for (int row = 0; row < 8; ++row) {
        if (a.rows[row] != b.rows[row]) return false;
    }
    return true;
}

bool sameEntries(const MoveList& moveList, const std::vector<SquareChange>& expected) {
    std::size_t i = 0;
    for (const SquareChange* change : moveList) {
        if (i == expected.size() || change->column != expected[i].column ||
            change->row != expected[i].row || change->before != expected[i].before ||
            change->after != expected[i].after) {
            return false;
        }
        ++i;
    }
    return i == expected.size() && moveList.size() == expected.size();
}

// Every position met in `games` random games from the start, with its side to move.
struct Visited {
    Board board;
    uint8_t side;
};

std::vector<Visited> randomGamePositions(int games, uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<Visited> visited;
    for (int game = 0; game < games; ++game) {
        Position position;
        ResetBoard(position, Red);
        position.sideToMove = Red;
        for (;;) {
            visited.push_back({position.board, position.sideToMove});
            const CandidateMoves candidates = CollectMoves(position.board);
            if (candidates.count == 0) break;
            const Move move = candidates.moves[random() % candidates.count];
            if (PlayMove(position, move.column, move.row).gameOver) {
                visited.push_back({position.board, position.sideToMove});
                break;
            }
        }
    }
    return visited;
}

// Every square of the board, legal or not, as the Game's and the search's calls may see it.
template <class Check>
void forEverySquare(Check check) {
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) check(column, row);
    }
}

}  // namespace

TEST(CrossCheck, FastRulesAgreeWithTheSquareBySquareRulesOverRandomGames) {
    const std::vector<Visited> positions = randomGamePositions(150, 7);
    ASSERT_GT(positions.size(), 5000u);
    const uint32_t outstanding = objectsCreated - objectsFreed;
    for (const Visited& visited : positions) {
        const Board& board = visited.board;
        for (const uint8_t side : {Red, Blue}) {
            Board fast = board, simple = board;
            ASSERT_EQ(MarkLegalMoves(fast, side), reference::markLegalMoves(simple, side));
            ASSERT_TRUE(sameBoard(fast, simple));
            ASSERT_EQ(Evaluate(board, side), reference::evaluate(board, side));
            ASSERT_EQ(Evaluate(fast, side), reference::evaluate(fast, side));
            forEverySquare([&](int column, int row) {
                for (int direction = 0; direction < 8; ++direction) {
                    ASSERT_EQ(FlipsInDirection(board, direction, column, row, side),
                              reference::flipsInDirection(board, direction, column, row, side));
                }
            });
        }

        const std::vector<Move> legal = reference::legalSquares(board);
        const CandidateMoves candidates = CollectMoves(board);
        ASSERT_EQ(std::vector<Move>(candidates.moves, candidates.moves + candidates.count), legal);

        // Every square gets a move list, as BuildMoveList reads any square it is given.
        forEverySquare([&](int column, int row) {
            std::unique_ptr<MoveList> moveList(BuildMoveList(board, column, row, visited.side));
            ASSERT_TRUE(
                sameEntries(*moveList, reference::moveList(board, column, row, visited.side)));
            ++objectsFreed;
        });
        for (const Move& move : legal) {
            Board fast = board, simple = board;
            reference::apply(reference::moveList(board, move.column, move.row, visited.side),
                             simple);
            const uint8_t opponent = opponentOf(visited.side);
            ASSERT_EQ(MakeSearchMove(fast, move.column, move.row, visited.side),
                      reference::markLegalMoves(simple, opponent));
            ASSERT_TRUE(sameBoard(fast, simple));
        }
    }
    EXPECT_EQ(objectsCreated - objectsFreed, outstanding);
}

#ifdef TILECREST_VECTOR_BITS
TEST(CrossCheck, VectorBitsAgreeWithScalarBits) {
    if (!searchKernelAvailable(SEARCH_KERNEL_AVX2)) GTEST_SKIP() << "no AVX2 here";
    using boardbits::ScalarBits;
    using boardbits::VectorBits;
    for (const Visited& visited : randomGamePositions(60, 11)) {
        const Board& board = visited.board;
        const boardbits::Disks scalar = ScalarBits::disksOf(board);
        const boardbits::Disks vector = VectorBits::disksOf(board);
        ASSERT_EQ(scalar.red, vector.red);
        ASSERT_EQ(scalar.blue, vector.blue);
        ASSERT_EQ(ScalarBits::marksInReadingOrder(board), VectorBits::marksInReadingOrder(board));
        ASSERT_EQ(weightedsums::byBytes(board), weightedsums::byLanes(board));
        for (const uint8_t side : {Red, Blue}) {
            Board viaScalar = board, viaVector = board;
            ASSERT_EQ(rulekernels::markLegalMoves<ScalarBits>(viaScalar, side),
                      rulekernels::markLegalMoves<VectorBits>(viaVector, side));
            ASSERT_TRUE(sameBoard(viaScalar, viaVector));
            const uint64_t own = side == Red ? scalar.red : scalar.blue;
            const uint64_t opponent = side == Red ? scalar.blue : scalar.red;
            forEverySquare([&](int column, int row) {
                uint16_t fromScalar[64], fromVector[64];
                const int start = boardbits::bitIndex(column, row);
                const int flips = ScalarBits::flippedSquares(start, own, opponent, fromScalar);
                ASSERT_EQ(VectorBits::flippedSquares(start, own, opponent, fromVector), flips);
                for (int i = 0; i < flips; ++i) ASSERT_EQ(fromScalar[i], fromVector[i]);
            });
        }
    }
}
#endif

TEST(CrossCheck, PerftFingerprintOfTheStartPosition) {
    // Counted once with the square-by-square rules; the same numbers as standard Reversi,
    // since no game can end within seven moves.
    const uint64_t expected[] = {4, 12, 56, 244, 1396, 8200, 55092};
    const Board start = reference::startBoard();
    for (int depth = 1; depth <= 5; ++depth) {
        EXPECT_EQ(reference::perft(start, Red, depth), expected[depth - 1]) << depth;
    }
    for (int depth = 1; depth <= 7; ++depth) EXPECT_EQ(perft(depth), expected[depth - 1]) << depth;
}
