#pragma once

#include <cstdint>

#include "rules/Board.h"

// The computer player: a fixed-depth minimax over copies of the Board, without pruning,
// scored by a table of square weights. Deterministic: the same board gives the same move.

// Indexed by row, then column (the table is symmetric).
inline constexpr int32_t SquareWeights[8][8] = {
    {50, -1, 5, 2, 2, 5, -1, 50},   {-1, -10, 1, 1, 1, 1, -10, -1}, {5, 1, 1, 1, 1, 1, 1, 5},
    {2, 1, 1, 0, 0, 1, 1, 2},       {2, 1, 1, 0, 0, 1, 1, 2},       {5, 1, 1, 1, 1, 1, 1, 5},
    {-1, -10, 1, 1, 1, 1, -10, -1}, {50, -1, 5, 2, 2, 5, -1, 50},
};

// A level at this depth scores its board instead of playing on.
constexpr int32_t SearchDepthLimit = 5;

// A finished game scores SCORE_WIN for the side ahead on the weighted sums and -SCORE_WIN
// for the side behind. A maximum starts at -SCORE_BOUND and a minimum at SCORE_BOUND: just
// inside the win and the loss, so a lost line never replaces a maximum's start.
constexpr int32_t SCORE_WIN = 10000;
constexpr int32_t SCORE_BOUND = 9999;

// The LegalMark squares of a board, row by row from row 0, columns 0 to 7 within a row.
struct CandidateMoves {
    Move moves[64];
    int32_t count = 0;
};

// Own weighted sum minus the opponent's for `side`. A board without any LegalMark is a
// finished game: SCORE_WIN, -SCORE_WIN or 0 by the sign of that difference.
int32_t Evaluate(const Board& board, uint8_t side);

CandidateMoves CollectMoves(const Board& board);

// `side` moves next on `board`, whose LegalMark squares must be that side's. Returns the
// first candidate in row-major order with the highest score, or NoMove when none scores
// above -SCORE_BOUND. Reads the board only.
Move ComputeMove(const Board& board, uint8_t side);

// The levels below ComputeMove, each scoring from the computer's point of view: MinLevel
// plays the other side's replies and keeps the least, MaxLevel the computer's and keeps the
// most. `side` is the side to move on the board.
int32_t MinLevel(Board board, uint8_t side, int32_t depth);
int32_t MaxLevel(Board board, uint8_t side, int32_t depth);
