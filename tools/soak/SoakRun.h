#pragma once

#include <cstdint>
#include <string>

// One soak: random games played through Game::handleEvent with synthetic events, every
// tick judged by SoakChecker. Needs Allegro initialised and the resources loaded, with no
// Game alive; leaves the process-wide element list and input as it found them.
struct SoakOptions {
    uint64_t games = 1000;  // games ended (finished, abandoned or quit) before stopping
    uint64_t seed = 1;
    uint32_t computerMoves = 3;  // the computer's moves allowed per game; 0 for no limit
    uint32_t drawPermille = 2;   // frames drawn, per thousand ticks that ask for one
    // Zero, or the tick after which the soak writes a disk straight into the Game's board,
    // so a test can see the checker catch a position the rules never made.
    uint64_t corruptAtTick = 0;
    // Zero, or the first tick from which every tick is described on standard error, to see
    // what led to a failure (rerun with the same seed).
    uint64_t traceFrom = 0;
};

struct SoakResult {
    bool ok = true;
    std::string failure;  // "seed=S game=G move=M tick=T: what failed"
    uint64_t games = 0;
    uint64_t finished = 0;  // games that reached the winner box
    uint64_t moves = 0;
    uint64_t computerMoves = 0;
    uint64_t undone = 0;
    uint64_t boxes = 0;
    uint64_t restarts = 0;
    uint64_t ticks = 0;
};

SoakResult runSoak(const SoakOptions& options);
