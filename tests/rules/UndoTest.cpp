#include <memory>

#include <gtest/gtest.h>

#include "rules/ComputerPlayer.h"
#include "rules/ObjectCounters.h"
#include "rules/Position.h"
#include "tests/rules/Reference.h"

namespace {

uint32_t outstandingObjects() {
    return objectsCreated - objectsFreed;
}

void expectStartPosition(const Position& position) {
    const Board start = reference::startBoard();
    for (int row = 0; row < 8; ++row) EXPECT_EQ(position.board.rows[row], start.rows[row]) << row;
    EXPECT_EQ(position.sideToMove, Red);
    EXPECT_EQ(position.redCount, 2);
    EXPECT_EQ(position.blueCount, 2);
}

void startGame(Position& position) {
    ResetBoard(position, Red);
    position.sideToMove = Red;
}

}  // namespace

TEST(UndoMoves, OneRecordTakesBackAPersonsMove) {
    const uint32_t outstanding = outstandingObjects();
    Position position;
    startGame(position);
    PlayMove(position, 2, 4);
    EXPECT_TRUE(UndoMoves(position, 1));
    expectStartPosition(position);
    EXPECT_TRUE(position.history.empty());
    EXPECT_EQ(outstandingObjects(), outstanding);
}

TEST(UndoMoves, TwoRecordsTakeBackTheMoveAndTheComputersReply) {
    const uint32_t outstanding = outstandingObjects();
    Position position;
    startGame(position);
    PlayMove(position, 2, 4);
    const Move reply = ComputeMove(position.board, Blue);
    PlayMove(position, reply.column, reply.row);
    PlayMove(position, 2, 2);
    ASSERT_EQ(position.history.size(), 3u);

    EXPECT_FALSE(UndoMoves(position, 2));
    EXPECT_EQ(position.sideToMove, Blue);
    EXPECT_EQ(position.history.size(), 1u);
    EXPECT_TRUE(UndoMoves(position, 2));  // runs out after one record
    expectStartPosition(position);
    EXPECT_EQ(outstandingObjects(), outstanding);
}

TEST(UndoMoves, AnEmptyHistoryChangesNothing) {
    Position position;
    startGame(position);
    EXPECT_TRUE(UndoMoves(position, 2));
    expectStartPosition(position);
    EXPECT_EQ(position.history.PopRecord(), nullptr);
}

TEST(UndoHistory, ClearingAndDestroyingFreeEveryRecordWithItsEntries) {
    const uint32_t outstanding = outstandingObjects();
    {
        Position position;
        startGame(position);
        for (const Move move : {Move{2, 4}, Move{2, 5}, Move{3, 5}, Move{4, 5}}) {
            PlayMove(position, move.column, move.row);
        }
        EXPECT_EQ(position.history.size(), 4u);
        EXPECT_GT(outstandingObjects(), outstanding);
        position.history.ClearHistory();
        EXPECT_TRUE(position.history.empty());
        EXPECT_EQ(outstandingObjects(), outstanding);

        PlayMove(position, 2, 2);  // left on the history for its destructor
    }
    EXPECT_EQ(outstandingObjects(), outstanding);
}

TEST(UndoHistory, PopRecordHandsTheNewestRecordToTheCaller) {
    Position position;
    startGame(position);
    PlayMove(position, 2, 4);
    PlayMove(position, 2, 5);
    std::unique_ptr<UndoObject> newest(position.history.PopRecord());
    const auto* moveList = dynamic_cast<const MoveList*>(newest.get());
    ASSERT_NE(moveList, nullptr);
    const SquareChange* last = nullptr;
    for (const SquareChange* change : *moveList) last = change;
    EXPECT_EQ(last->column, 2);
    EXPECT_EQ(last->row, 5);
    EXPECT_EQ(position.history.size(), 1u);
    ++objectsFreed;  // whoever deletes a record counts it; the entries count themselves
    newest.reset();
}
