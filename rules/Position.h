#pragma once

#include <cstdint>

#include "rules/Board.h"
#include "rules/UndoHistory.h"

// A game's position with the rule work done on it. The Game derives from it, so these are
// the Game's own fields; the Game adds its part (the "Undo Move" button, the game-over
// state) from the results below.
struct Position {
    Board board{};  // all rows 0 until ResetBoard
    int32_t redCount = 0;
    int32_t blueCount = 0;
    uint8_t sideToMove = Red;
    UndoHistory history;  // non-copyable, owns the records
};

// The four start disks, the marks for `side` and fresh counts. sideToMove is the caller's.
void ResetBoard(Position& position, uint8_t side);

// Recounts both sides' disks; only this writes the counts.
void CountDisks(Position& position);

// `recorded`: a record was pushed (the Game enables "Undo Move"). `gameOver`: the new side
// to move has no legal move, whether or not the other side has one; there is no passing.
struct PlayResult {
    bool recorded;
    bool gameOver;
};

// Plays (column, row) for position.sideToMove: builds the record, pushes it, applies it,
// passes the turn, marks the new side's moves and recounts. The turn passes even when no
// record could be built.
PlayResult PlayMove(Position& position, int column, int row);

// Takes back up to `records` records (1 against a person, 2 against the computer),
// stopping early when the history runs out; each restores the squares, hands the turn
// back, remarks and recounts. Returns true when the history is empty afterwards.
bool UndoMoves(Position& position, int records);

// Red when the red count is greater, otherwise Blue: equal counts go to Blue.
uint8_t Winner(const Position& position);
