#pragma once

#include <cstdint>

// The number of move sequences of exactly `depth` moves from the start position, Red
// first. A line ends where the side to move has no legal move (there is no passing), so a
// game over before `depth` adds nothing. Played with the game's PlayMove and UndoMoves.
uint64_t perft(int depth);
