#include <cstdint>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "rules/ComputerPlayer.h"
#include "rules/ObjectCounters.h"
#include "rules/Position.h"
#include "rules/Rules.h"
#include "rules/SearchKernel.h"
#include "tests/rules/Reference.h"

namespace {

Board afterRedPlays(int column, int row) {
    Position position;
    ResetBoard(position, Red);
    position.sideToMove = Red;
    PlayMove(position, column, row);
    return position.board;
}

// The score ComputeMove gives a candidate of `side`.
int32_t candidateScore(const Board& board, Move move, uint8_t side) {
    Board child = board;
    MakeSearchMove(child, move.column, move.row, side);
    return MinLevel(child, opponentOf(side), 0);
}

// Restores the kernel chosen at start-up when a test is done with it.
class KernelGuard {
public:
    ~KernelGuard() { selectSearchKernel(original); }

private:
    SearchKernel original = selectedSearchKernel();
};

}  // namespace

TEST(ComputerPlayer, AnswersEachOpeningMoveOfRed) {
    const Board c5 = afterRedPlays(2, 4);
    EXPECT_EQ(CollectMoves(c5).count, 3);
    EXPECT_EQ(candidateScore(c5, {2, 3}, Blue), -5);
    EXPECT_EQ(candidateScore(c5, {2, 5}, Blue), -4);
    EXPECT_EQ(candidateScore(c5, {4, 5}, Blue), -3);
    EXPECT_EQ(ComputeMove(c5, Blue), (Move{4, 5}));
    EXPECT_EQ(ComputeMove(afterRedPlays(4, 2), Blue), (Move{5, 4}));
    EXPECT_EQ(ComputeMove(afterRedPlays(5, 3), Blue), (Move{3, 2}));
    EXPECT_EQ(ComputeMove(afterRedPlays(3, 5), Blue), (Move{2, 3}));
}

TEST(ComputerPlayer, EqualScoresKeepTheFirstCandidateAndRepeatsGiveTheSameMove) {
    const Board start = reference::startBoard();
    // The four opening moves are symmetric, so they score alike.
    const int32_t first = candidateScore(start, {4, 2}, Red);
    EXPECT_EQ(candidateScore(start, {5, 3}, Red), first);
    EXPECT_EQ(candidateScore(start, {2, 4}, Red), first);
    EXPECT_EQ(candidateScore(start, {3, 5}, Red), first);
    EXPECT_EQ(ComputeMove(start, Red), (Move{4, 2}));
    EXPECT_EQ(ComputeMove(start, Red), (Move{4, 2}));
}

TEST(ComputerPlayer, EvaluateScoresWeightsAndFinishedBoardsByWeightedSums) {
    const Board start = reference::startBoard();
    EXPECT_EQ(Evaluate(start, Red), 0);
    EXPECT_EQ(Evaluate(start, Blue), 0);

    // Marks present: the difference of the weighted sums (50 + 1 against -10 + 5).
    const Board marked = boardFromPicture({
        "R.B.....",
        ".B......",
        ".R......",
        "..*.....",
        "........",
        "........",
        "........",
        "........",
    });
    EXPECT_EQ(Evaluate(marked, Red), 51 - (5 - 10));
    EXPECT_EQ(Evaluate(marked, Blue), (5 - 10) - 51);

    // No marks: finished, decided by the weighted sums although Blue has more disks.
    const Board finished = boardFromPicture({
        "R.......",
        "........",
        "..BBBB..",
        "..B..B..",
        "..B..B..",
        "..BBBB..",
        "........",
        "........",
    });
    EXPECT_EQ(Evaluate(finished, Red), 10000);
    EXPECT_EQ(Evaluate(finished, Blue), -10000);
    const Board level = boardFromPicture({
        "R......B",
        "........",
        "........",
        "........",
        "........",
        "........",
        "........",
        "........",
    });
    EXPECT_EQ(Evaluate(level, Red), 0);
}

TEST(ComputerPlayer, ReturnsNoMoveWhenEveryCandidateLoses) {
    // Blue's only move fills the board and leaves Red ahead on the weighted sums.
    Board board = boardFromPicture({
        ".RBRRRRR",
        "RRRRRRRR",
        "RRRRRRRR",
        "RRRRRRRR",
        "RRRRRRRR",
        "RRRRRRRR",
        "RRRRRRRR",
        "RRRRRRRR",
    });
    ASSERT_GT(MarkLegalMoves(board, Blue), 0);
    EXPECT_EQ(candidateScore(board, {0, 0}, Blue), -10000);
    EXPECT_EQ(ComputeMove(board, Blue), NoMove);

    // No mark at all: nothing to choose from.
    const Board empty{};
    EXPECT_EQ(ComputeMove(empty, Blue), NoMove);
}

TEST(ComputerPlayer, TheSearchFreesEveryRecordItCreates) {
    const Board board = afterRedPlays(2, 4);
    const uint32_t created = objectsCreated;
    const uint32_t outstanding = objectsCreated - objectsFreed;
    const uint64_t nodes = searchNodes;
    ComputeMove(board, Blue);
    EXPECT_EQ(objectsCreated - objectsFreed, outstanding);
    EXPECT_EQ(searchNodes - nodes, 16250u);
    EXPECT_EQ(objectsCreated - created, 54485u);
}

TEST(ComputerPlayer, EveryKernelSearchesTheSamePositionsInTheSameOrder) {
    if (!searchKernelAvailable(SEARCH_KERNEL_AVX2)) GTEST_SKIP() << "no AVX2 kernel here";
    KernelGuard guard;
    std::mt19937 random(2024);
    int compared = 0;
    for (int game = 0; game < 40; ++game) {
        Position position;
        ResetBoard(position, Red);
        position.sideToMove = Red;
        for (int ply = 0; ply < 60; ++ply) {
            const CandidateMoves candidates = CollectMoves(position.board);
            if (candidates.count == 0) break;
            // Small searches only: the opening and the last dozen empty squares.
            if (ply < 2 || ply >= 48) {
                struct Result {
                    Move move;
                    uint64_t nodes;
                    uint32_t created;
                } results[3];
                const SearchKernel kernels[3] = {SEARCH_KERNEL_PORTABLE, SEARCH_KERNEL_AVX2,
                                                 SEARCH_KERNEL_AVX512};
                for (int k = 0; k < 3 && selectSearchKernel(kernels[k]); ++k) {
                    const uint64_t nodes = searchNodes;
                    const uint32_t created = objectsCreated;
                    results[k].move = ComputeMove(position.board, position.sideToMove);
                    results[k].nodes = searchNodes - nodes;
                    results[k].created = objectsCreated - created;
                    EXPECT_EQ(results[k].move, results[0].move)
                        << "kernel " << k << " game " << game << " ply " << ply;
                    EXPECT_EQ(results[k].nodes, results[0].nodes);
                    EXPECT_EQ(results[k].created, results[0].created);
                }
                ++compared;
            }
            const Move move = candidates.moves[random() % candidates.count];
            if (PlayMove(position, move.column, move.row).gameOver) break;
        }
    }
    EXPECT_GT(compared, 200);
}
