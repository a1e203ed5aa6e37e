#pragma once

#include <cstdint>
#include <vector>

#include "rules/Board.h"
#include "rules/MoveList.h"

// A deliberately plain version of the rules and the evaluation, one square and one direction
// at a time, written straight from the rules as players state them. The fast code in rules/
// must agree with it everywhere.
namespace reference {

uint8_t at(const Board& board, int column, int row);
void put(Board& board, int column, int row, uint8_t value);

bool flipsInDirection(const Board& board, int direction, int column, int row, uint8_t side);
int32_t markLegalMoves(Board& board, uint8_t side);
// The entries BuildMoveList must produce, in order.
std::vector<SquareChange> moveList(const Board& board, int column, int row, uint8_t side);
void apply(const std::vector<SquareChange>& changes, Board& board);
int32_t evaluate(const Board& board, uint8_t side);
std::vector<Move> legalSquares(const Board& board);

Board startBoard();
// Move sequences of exactly `depth` moves from `board` with `side` to move (marks set).
uint64_t perft(const Board& board, uint8_t side, int depth);

}  // namespace reference

// A board drawn row by row from the top: '.' empty, 'R' Red, 'B' Blue, '*' LegalMark.
Board boardFromPicture(const char* const (&rows)[8]);
