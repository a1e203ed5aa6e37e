#include "tools/soak/SoakRun.h"

#include "rules/ObjectCounters.h"
#include "screen/Game.h"
#include "screen/Input.h"
#include "screen/ObjectList.h"
#include "tools/soak/SoakChecker.h"
#include "tools/soak/SoakDriver.h"
#include "tools/soak/SoakRandom.h"

namespace {

const std::size_t kGameElements = 67;
// A game of 60 moves with undos and dialogs takes well under 2000 ticks; far more means the
// game stopped answering (a box that never opens, a turn that never passes).
const uint64_t kTicksPerGameLimit = 50000;

// What a fresh process holds before the App creates its Game.
void resetProcessInput() {
    input = Input{};
    hoverObject = nullptr;
    pressedObject = nullptr;
    wasPressed = false;
}

}  // namespace

SoakResult runSoak(const SoakOptions& options) {
    SoakResult result;
    resetProcessInput();
    SoakChecker checker(objectsCreated - objectsFreed);
    SoakRandom random(options.seed);
    SoakDriver driver(checker, random, options);

    Game* game = nullptr;
    auto start = [&] {
        resetProcessInput();
        game = new Game(nullptr);
        game->setup();
        driver.attach(game);
        checker.beginSession(*game);
    };
    // As the App at exit, except that open boxes are closed through their layers first, so
    // that no stale layer outlives the element list for the next Game.
    auto stop = [&] {
        for (int guard = 0; guard < 16 && objectListSize() > kGameElements; ++guard) popLayer();
        checker.endSession();
        delete game;
        game = nullptr;
        clearObjects();
        checker.afterShutdown();
    };

    start();
    uint64_t gamesStarted = 0;
    uint64_t gameStartTick = 0;
    while (result.games < options.games && checker.failure().empty()) {
        if (game->enteredState == STATE_QUIT) {
            stop();
            ++result.games;
            ++result.restarts;
            gameStartTick = driver.ticks;
            if (checker.failure().empty()) start();
            continue;
        }
        driver.step();
        if (checker.gamesStarted != gamesStarted) {
            gamesStarted = checker.gamesStarted;
            ++result.games;
            gameStartTick = driver.ticks;
        }
        if (driver.ticks - gameStartTick > kTicksPerGameLimit) {
            checker.fail("the game made no progress in " + std::to_string(kTicksPerGameLimit) +
                         " ticks");
        }
    }
    const std::size_t depth = checker.movesRecorded();
    if (game != nullptr) stop();

    result.finished = checker.gamesFinished;
    result.moves = checker.moves;
    result.computerMoves = checker.computerMoves;
    result.undone = checker.undoneMoves;
    result.boxes = checker.boxesOpened;
    result.ticks = driver.ticks;
    if (!checker.failure().empty()) {
        result.ok = false;
        result.failure = "seed=" + std::to_string(options.seed) +
                         " game=" + std::to_string(result.games + 1) +
                         " move=" + std::to_string(depth + 1) +
                         " tick=" + std::to_string(driver.ticks) + ": " + checker.failure();
    }
    return result;
}
