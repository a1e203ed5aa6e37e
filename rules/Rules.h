#pragma once

#include <cstdint>

#include "rules/Board.h"
#include "rules/MoveList.h"

// The rules on a Board and a side: legal squares, the record of a move, and the quick
// move of the computer's search. None of them fails; an illegal square simply encloses
// nothing. Callers pass squares on the board (column and row 0 to 7).

// True when a disk of `side` at (column, row) would enclose at least one opponent disk in
// direction `direction` (an index into Directions).
bool FlipsInDirection(const Board& board, int direction, int column, int row, uint8_t side);

// Clears every LegalMark, marks the empty squares where `side` can play and returns the
// number of (square, direction) pairs that flip: zero exactly when `side` cannot move.
int32_t MarkLegalMoves(Board& board, uint8_t side);

// The record of `side` playing (column, row): the enclosed disks, direction by direction
// from the nearest outward, then the square itself. The caller owns it and counts it when
// deleting it; the list and each entry are counted as created here. Null when no memory is
// left. The board is not changed.
MoveList* BuildMoveList(const Board& board, int column, int row, uint8_t side);

// How many times MakeSearchMove has run since the process started; the search tool reads
// it to report the nodes a search examined.
extern uint64_t searchNodes;

// Plays (column, row) for `side` on a board of the search through a MoveList that is
// built, applied and deleted here, then returns MarkLegalMoves for the opponent.
int32_t MakeSearchMove(Board& board, int column, int row, uint8_t side);
