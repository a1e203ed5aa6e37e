#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "rules/ObjectCounters.h"
#include "rules/Position.h"
#include "rules/Rules.h"
#include "tests/rules/Reference.h"

namespace {

struct Entry {
    int column, row, before, after;
    bool operator==(const Entry& other) const {
        return column == other.column && row == other.row && before == other.before &&
               after == other.after;
    }
};

std::vector<Entry> entriesOf(const MoveList& moveList) {
    std::vector<Entry> entries;
    for (const SquareChange* change : moveList) {
        entries.push_back({change->column, change->row, change->before, change->after});
    }
    return entries;
}

// Deletes a record the way its owners do, counting it as freed.
void deleteRecord(MoveList* moveList) {
    ++objectsFreed;
    delete moveList;
}

std::vector<Move> marksOf(const Board& board) {
    return reference::legalSquares(board);
}

}  // namespace

TEST(BoardRules, ResetBoardLeavesTheStartRowsMarksAndCounts) {
    Position position;
    ResetBoard(position, Red);
    const uint16_t expected[8] = {0x0000, 0x0000, 0x00C0, 0x01B0, 0x0E40, 0x0300, 0x0000, 0x0000};
    for (int row = 0; row < 8; ++row) EXPECT_EQ(position.board.rows[row], expected[row]) << row;
    EXPECT_EQ(marksOf(position.board), (std::vector<Move>{{4, 2}, {5, 3}, {2, 4}, {3, 5}}));
    EXPECT_EQ(position.redCount, 2);
    EXPECT_EQ(position.blueCount, 2);
    Board board = position.board;
    EXPECT_EQ(MarkLegalMoves(board, Red), 4);
}

TEST(BoardRules, RedAtC5RecordsTheFlippedDiskThenItsOwnSquare) {
    Position position;
    ResetBoard(position, Red);
    const uint32_t created = objectsCreated;
    std::unique_ptr<MoveList, void (*)(MoveList*)> moveList(
        BuildMoveList(position.board, 2, 4, Red), deleteRecord);
    ASSERT_NE(moveList, nullptr);
    EXPECT_EQ(entriesOf(*moveList),
              (std::vector<Entry>{{3, 4, Blue, Red}, {2, 4, LegalMark, Red}}));
    EXPECT_EQ(objectsCreated - created, 3u);  // the list and its two entries

    position.sideToMove = Red;
    const PlayResult result = PlayMove(position, 2, 4);
    EXPECT_TRUE(result.recorded);
    EXPECT_FALSE(result.gameOver);
    EXPECT_EQ(position.redCount, 4);
    EXPECT_EQ(position.blueCount, 1);
    EXPECT_EQ(position.sideToMove, Blue);
    EXPECT_EQ(marksOf(position.board), (std::vector<Move>{{2, 3}, {2, 5}, {4, 5}}));
    EXPECT_EQ(position.history.size(), 1u);
}

TEST(BoardRules, EnclosedDisksAreListedByDirectionFromTheNearestOutward) {
    // Red at (3, 3) encloses two disks upwards (direction 1) and two to the right (4).
    const Board board = boardFromPicture({
        "...R....",
        "...B....",
        "...B....",
        "...*BBR.",
        "........",
        "........",
        "........",
        "........",
    });
    std::unique_ptr<MoveList, void (*)(MoveList*)> moveList(BuildMoveList(board, 3, 3, Red),
                                                            deleteRecord);
    EXPECT_EQ(entriesOf(*moveList), (std::vector<Entry>{{3, 2, Blue, Red},
                                                        {3, 1, Blue, Red},
                                                        {4, 3, Blue, Red},
                                                        {5, 3, Blue, Red},
                                                        {3, 3, LegalMark, Red}}));
}

TEST(BoardRules, MarkLegalMovesCountsEveryFlippingDirection) {
    // (0, 0) flips right, down and diagonally; no other square flips anything for Red.
    Board board = boardFromPicture({
        ".BR.....",
        "BB......",
        "R.R.....",
        "........",
        "........",
        "........",
        "........",
        "........",
    });
    EXPECT_EQ(MarkLegalMoves(board, Red), 3);
    EXPECT_EQ(marksOf(board), (std::vector<Move>{{0, 0}}));
    // Red's mark goes; Blue's three squares flip one way each.
    EXPECT_EQ(MarkLegalMoves(board, Blue), 3);
    EXPECT_EQ(marksOf(board), (std::vector<Move>{{3, 0}, {0, 3}, {3, 3}}));
}

TEST(BoardRules, ANeighbourOnTheFarEdgeNeverFlips) {
    const Board board = boardFromPicture({
        "........",
        "........",
        ".......R",
        ".......B",
        ".......B",
        "........",
        "........",
        "......BR",
    });
    EXPECT_FALSE(FlipsInDirection(board, 4, 6, 3, Red));  // (7, 3) has nothing beyond it
    EXPECT_FALSE(FlipsInDirection(board, 4, 6, 4, Red));
    EXPECT_FALSE(FlipsInDirection(board, 6, 6, 6, Red));  // (6, 7) on the bottom edge
    EXPECT_TRUE(FlipsInDirection(board, 4, 5, 7, Red));   // (6, 7) closed by (7, 7)
    EXPECT_TRUE(FlipsInDirection(board, 1, 7, 5, Red));   // (7, 4), (7, 3) closed by (7, 2)
    EXPECT_FALSE(FlipsInDirection(board, 1, 7, 5, Blue));
}

TEST(BoardRules, TheGameEndsWhenTheSideToMoveIsStuckEvenIfTheOtherCouldMove) {
    Position position;
    position.board = boardFromPicture({
        "RB......",
        "........",
        "........",
        "........",
        "........",
        ".......*",
        ".......B",
        ".......R",
    });
    position.sideToMove = Red;
    MarkLegalMoves(position.board, Red);
    CountDisks(position);
    const PlayResult result = PlayMove(position, 7, 5);
    EXPECT_TRUE(result.recorded);
    EXPECT_TRUE(result.gameOver);
    EXPECT_EQ(position.sideToMove, Blue);
    Board redToMove = position.board;
    EXPECT_GT(MarkLegalMoves(redToMove, Red), 0);  // (2, 0) would still flip for Red
}

TEST(BoardRules, FillingTheLastSquareEndsTheGame) {
    Position position;
    position.board = boardFromPicture({
        ".RBRRRRR",
        "RRRRRRRR",
        "RRRRRRRR",
        "RRRRRRRR",
        "RRRRRRRR",
        "RRRRRRRR",
        "RRRRRRRR",
        "RRRRRRRR",
    });
    position.sideToMove = Blue;
    MarkLegalMoves(position.board, Blue);
    const PlayResult result = PlayMove(position, 0, 0);
    EXPECT_TRUE(result.gameOver);
    EXPECT_EQ(position.blueCount, 3);
    EXPECT_EQ(position.redCount, 61);
    EXPECT_EQ(Winner(position), Red);
}

TEST(BoardRules, EqualCountsMakeBlueTheWinner) {
    Position position;
    position.redCount = 32;
    position.blueCount = 32;
    EXPECT_EQ(Winner(position), Blue);
    position.redCount = 33;
    position.blueCount = 31;
    EXPECT_EQ(Winner(position), Red);
    position.redCount = 31;
    position.blueCount = 33;
    EXPECT_EQ(Winner(position), Blue);

    // CountDisks counts disks only, never marks.
    position.board = boardFromPicture({
        "RB*.....",
        "........",
        "........",
        "........",
        "........",
        "........",
        "........",
        "........",
    });
    CountDisks(position);
    EXPECT_EQ(position.redCount, 1);
    EXPECT_EQ(position.blueCount, 1);
    EXPECT_EQ(Winner(position), Blue);
}
