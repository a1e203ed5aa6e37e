// tilecrest-soak: plays random games headlessly through Game::handleEvent and checks every
// tick against independent rules; see usage() for what it does and prints.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "tools/soak/HeadlessAllegro.h"
#include "tools/soak/SoakRun.h"

namespace {

const char* const kUsage =
    "usage: tilecrest-soak [--games N] [--seed S] [--computer-moves K] [--draw P] [--trace T]\n"
    "\n"
    "Plays N random games (default 1000) through Game::handleEvent with synthetic mouse,\n"
    "key, close and timer events, without a window: clicks on marked squares, undos, noise\n"
    "on the board, new games through the real \"New Game\"/\"Yes\"/\"Human\"|\"Computer\"\n"
    "boxes (sometimes \"No\" or \"Cancel\"), the winner box, the quit box, the close button\n"
    "and Ctrl+X (after which the Game is set up again as at a new start). All chance comes\n"
    "from the seed S (default 1); the same seed plays the same games.\n"
    "\n"
    "Two-person games are played to their end. Against the computer a game is capped so the\n"
    "soak stays fast: after the computer's K-th move (default 3, where its six-ply search costs\n"
    "milliseconds) the player starts another game or quits; K = 0 lifts the cap (mid-game\n"
    "searches take up to about 0.2 s each). Of every 1000 frames the Game asks for, P\n"
    "(default 2) are drawn into the screen bitmap, which must change nothing else.\n"
    "\n"
    "After every tick it checks, with rules written independently of the game's: the marked\n"
    "squares are exactly the legal squares of the side to move, both counts match the board,\n"
    "a move is legal and flips exactly what it encloses, an undo restores exactly the position\n"
    "remembered before the move(s), the open boxes and the state agree with the element list,\n"
    "and objects created minus freed equals what is alive (history records with their\n"
    "entries, open boxes, the loaded resources). The first violation is printed with the seed,\n"
    "game, move and tick, and the exit status is 1. Otherwise the last line reads\n"
    "games=G moves=M ticks=T seconds=S games_per_second=.. moves_per_second=.. "
    "ticks_per_second=..\n"
    "To see what led to a failure, rerun with the same options and --trace T: from tick T on,\n"
    "each tick is described on standard error.\n";

bool parseNumber(const char* text, uint64_t& value) {
    char* end = nullptr;
    const unsigned long long parsed = std::strtoull(text, &end, 10);
    if (*text == '\0' || *text == '-' || *end != '\0') return false;
    value = parsed;
    return true;
}

int usage() {
    std::cerr << kUsage;
    return 2;
}

std::string rate(uint64_t count, double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", seconds > 0 ? count / seconds : 0.0);
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    SoakOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        uint64_t value = 0;
        if (argument == "--help" || argument == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (i + 1 >= argc || !parseNumber(argv[i + 1], value)) return usage();
        ++i;
        if (argument == "--games" && value > 0) {
            options.games = value;
        } else if (argument == "--seed") {
            options.seed = value;
        } else if (argument == "--computer-moves" && value <= 60) {
            options.computerMoves = static_cast<uint32_t>(value);
        } else if (argument == "--trace" && value > 0) {
            options.traceFrom = value;
        } else if (argument == "--draw" && value <= 1000) {
            options.drawPermille = static_cast<uint32_t>(value);
        } else {
            return usage();
        }
    }

    const std::string problem = startHeadless();
    if (!problem.empty()) {
        std::cerr << "tilecrest-soak: " << problem << "\n";
        return 1;
    }
    const auto started = std::chrono::steady_clock::now();
    const SoakResult result = runSoak(options);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    stopHeadless();

    if (!result.ok) {
        std::cerr << "tilecrest-soak: FAILED " << result.failure << "\n";
        return 1;
    }
    char elapsed[32];
    std::snprintf(elapsed, sizeof elapsed, "%.3f", seconds);
    std::cout << "finished=" << result.finished << " computer_moves=" << result.computerMoves
              << " undone=" << result.undone << " boxes=" << result.boxes
              << " restarts=" << result.restarts << "\n";
    std::cout << "games=" << result.games << " moves=" << result.moves << " ticks=" << result.ticks
              << " seconds=" << elapsed << " games_per_second=" << rate(result.games, seconds)
              << " moves_per_second=" << rate(result.moves, seconds)
              << " ticks_per_second=" << rate(result.ticks, seconds) << std::endl;
    return 0;
}
