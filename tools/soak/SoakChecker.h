#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/soak/GameView.h"

class Game;

// What the driver has done since the previous tick that the tick must answer. Deliberate
// presses and releases name their target; noise on the board names none and is judged
// only by the rules (any change must be one legal move).
struct TickIntent {
    enum Target { NONE, CELL, NEW_GAME, UNDO, QUIT_GAME, BOX_BUTTON };
    Target press = NONE;
    Target release = NONE;
    int cell = -1;          // bit index 8 * row + column of a CELL target
    std::string label;      // label of a BOX_BUTTON target
    bool quitKeys = false;  // Ctrl and X are down at this tick
};

// The soak's own model of a Game, kept from what the driver did and judged after every
// tick: the legal marks against the independent rules, the counts against the board, each
// move against the rules, each undo against the position remembered before the move, the
// open boxes against the element list, the state against the requests, and the object
// accounting against what should still be alive.
class SoakChecker {
public:
    enum BoxKind { BOX_NEW_GAME, BOX_CHOOSE, BOX_CHOOSE_OR_QUIT, BOX_QUIT, BOX_WINNER };

    // `baseline` is objectsCreated - objectsFreed with no Game alive (the loaded resources).
    explicit SoakChecker(uint32_t baseline) : baseline(baseline) {}

    // A Game was just set up: expects the two-person start and forgets the old model.
    bool beginSession(const Game& game);
    // The Game is about to be deleted with its boxes still open, as at exit.
    void endSession() {
        records.clear();
        boxes.clear();
    }
    // Judges one tick; `before` was taken just before the timer event.
    bool afterTick(const GameView& before, const Game& game, const TickIntent& intent);
    // After Game::draw: only redraw may have changed.
    bool afterDraw(const GameView& before, const Game& game);
    // After the window's close event: the quit question is requested.
    bool afterCloseRequest(const Game& game);
    // With no Game alive: everything created has been freed except the baseline.
    bool afterShutdown();

    // Records the first failure (later ones are dropped); always false.
    bool fail(const std::string& what);
    const std::string& failure() const { return failed; }
    const std::vector<BoxKind>& openBoxes() const { return boxes; }
    std::size_t movesRecorded() const { return records.size(); }

    // Totals for the report.
    uint64_t moves = 0;  // records pushed, the computer's included
    uint64_t computerMoves = 0;
    uint64_t undoneMoves = 0;
    uint64_t gamesStarted = 0;   // new games through the opponent choice
    uint64_t gamesFinished = 0;  // winner boxes opened
    uint64_t boxesOpened = 0;
    uint64_t computerMovesThisGame = 0;

private:
    struct Record {
        PositionKey before;
        uint32_t objects;  // the record and its entries
    };

    bool checkPosition(const GameView& view);
    bool checkMove(const GameView& before, const GameView& after);
    bool checkNewGame(const GameView& after, int32_t opponent);
    bool checkEnteredBox(BoxKind kind, const GameView& after);
    bool checkBoxesAndState(const GameView& after);
    bool checkAccounting(const GameView& after);
    bool enterState(const GameView& before, const GameView& after);
    // The state and entered state a tick must leave, built up as its parts are judged.
    struct Expect {
        int32_t state;
        int32_t entered;
    };
    bool judgeClick(const TickIntent& intent, const GameView& before, const GameView& after,
                    Expect& expect, bool& positionKept);
    bool judgeUndo(const GameView& before, const GameView& after);
    bool judgeAnswer(const std::string& label, const GameView& after, Expect& expect,
                     bool& positionKept);
    bool armed(TickIntent::Target target, int cell, const std::string& label,
               const GameView& view) const;

    uint32_t baseline;
    std::vector<Record> records;  // one per record on the Game's history, oldest first
    std::vector<BoxKind> boxes;   // the boxes that must be open, bottom first
    bool leftOpen = false;        // a box stays open under STATE_PLAYING (after a nested quit "No")
    TickIntent pressed;           // the last deliberate press
    bool pressArmed = false;      // it found its target clickable
    std::string failed;
};
