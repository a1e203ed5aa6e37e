#pragma once

#include <cstdint>
#include <string>

// One line of the search tool's input answered: the moves of the line are played from the
// start position (Red first, sides alternating) with the game's own PlayMove, then the
// computer player searches for the side to move.

struct SearchTotals {
    uint64_t positions = 0;
    uint64_t nodes = 0;
    uint64_t records = 0;
    double seconds = 0.0;
};

struct SearchAnswer {
    // "MOVE nodes=N records=R us=T", "over" or "illegal TOKEN".
    std::string text;
    // False when the search freed a different number of objects than it created.
    bool balanced = true;
};

// Moves are blank-separated squares "a1".."h8" (column letter, row digit). Never fails on
// bad input; a search adds itself to the totals.
SearchAnswer answerLine(const std::string& line, SearchTotals& totals);
