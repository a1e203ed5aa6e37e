#include "tools/soak/SoakChecker.h"

#include <algorithm>

#include "messagebox/MessageBox.h"
#include "rules/ObjectCounters.h"
#include "screen/Button.h"
#include "screen/Game.h"
#include "screen/ObjectList.h"
#include "tools/soak/Oracle.h"

namespace {

const std::size_t kGameElements = 67;  // three buttons and 64 cells

struct BoxText {
    std::vector<std::string> lines;
    std::vector<std::string> labels;
};

BoxText expectedText(SoakChecker::BoxKind kind, const char* winner) {
    switch (kind) {
        case SoakChecker::BOX_NEW_GAME:
            return {{"Are you sure that you want to stop", "this game and start another?"},
                    {"Yes", "No"}};
        case SoakChecker::BOX_CHOOSE:
        case SoakChecker::BOX_CHOOSE_OR_QUIT:
            return {{"Please choose your opponent!"}, {"Human", "Computer", "Cancel"}};
        case SoakChecker::BOX_QUIT:
            return {{"Are you sure that you want to quit the application?"}, {"Yes", "No"}};
        case SoakChecker::BOX_WINNER:
            return {{"Congratulations!", "", std::string(winner) + " is the winner!", "",
                     "Would you like to play another game?"},
                    {"Yes", "No"}};
    }
    return {};
}

std::size_t elementsOf(SoakChecker::BoxKind kind) {
    return kind == SoakChecker::BOX_CHOOSE || kind == SoakChecker::BOX_CHOOSE_OR_QUIT ? 4 : 3;
}

bool isEmptySquare(uint8_t value) {
    return value == oracle::EMPTY || value == oracle::MARK;
}

std::string squareList(uint64_t mask) {
    std::string text;
    for (int index = 0; index < 64; ++index) {
        if (mask & (1ull << index)) {
            if (!text.empty()) text += ' ';
            text += oracle::squareName(index);
        }
    }
    return text.empty() ? "none" : text;
}

std::string positionOf(const GameView& view) {
    return describe(view.rows, view.sideToMove, view.redCount, view.blueCount);
}

}  // namespace

bool SoakChecker::fail(const std::string& what) {
    if (failed.empty()) failed = what;
    return false;
}

bool SoakChecker::beginSession(const Game& game) {
    records.clear();
    boxes.clear();
    leftOpen = false;
    pressArmed = false;
    computerMovesThisGame = 0;
    const GameView view = GameView::of(game);
    uint16_t start[8];
    oracle::startPosition(start);
    PositionKey expected;
    for (int row = 0; row < 8; ++row) expected.rows[row] = start[row];
    expected.sideToMove = oracle::RED;
    expected.redCount = 2;
    expected.blueCount = 2;
    if (PositionKey::of(view) != expected) {
        return fail("set-up position is " + positionOf(view) + ", expected " + describe(expected));
    }
    if (view.state != STATE_PLAYING || view.enteredState != STATE_PLAYING) {
        return fail(std::string("set-up state is ") + stateName(view.state) + "/" +
                    stateName(view.enteredState));
    }
    if (view.opponent != OPPONENT_HUMAN) return fail("set-up opponent is not the human");
    return checkPosition(view) && checkBoxesAndState(view) && checkAccounting(view);
}

bool SoakChecker::afterShutdown() {
    records.clear();
    boxes.clear();
    const uint32_t live = objectsCreated - objectsFreed;
    if (live != baseline) {
        return fail("after the Game and its boxes are gone " + std::to_string(live) +
                    " objects are alive, expected the " + std::to_string(baseline) +
                    " of the resources");
    }
    return true;
}

bool SoakChecker::afterCloseRequest(const Game& game) {
    if (game.state != STATE_CONFIRM_QUIT) {
        return fail(std::string("the close event left state ") + stateName(game.state));
    }
    return true;
}

bool SoakChecker::afterDraw(const GameView& before, const Game& game) {
    GameView after = GameView::of(game);
    if (after.redraw) return fail("draw left redraw set");
    after.redraw = before.redraw;
    if (PositionKey::of(after) != PositionKey::of(before) || after.state != before.state ||
        after.enteredState != before.enteredState || after.historySize != before.historySize ||
        after.elements != before.elements || after.live != before.live ||
        after.undoEnabled != before.undoEnabled) {
        return fail("drawing the frame changed the game");
    }
    return true;
}

// The rules' invariants of any position the Game shows.
bool SoakChecker::checkPosition(const GameView& view) {
    if (view.sideToMove != oracle::RED && view.sideToMove != oracle::BLUE) {
        return fail("side to move is " + std::to_string(view.sideToMove));
    }
    const uint64_t legal = oracle::legalSquares(view.rows, view.sideToMove);
    const uint64_t marked = oracle::squaresHolding(view.rows, oracle::MARK);
    if (legal != marked) {
        return fail("marks " + squareList(marked) + " but the legal squares are " +
                    squareList(legal) + " in " + positionOf(view));
    }
    const int red = oracle::countOf(view.rows, oracle::RED);
    const int blue = oracle::countOf(view.rows, oracle::BLUE);
    if (view.redCount != red || view.blueCount != blue) {
        return fail("counts " + std::to_string(view.redCount) + "/" +
                    std::to_string(view.blueCount) + " but the board holds " + std::to_string(red) +
                    "/" + std::to_string(blue) + " in " + positionOf(view));
    }
    if (view.historySize != records.size()) {
        return fail("history holds " + std::to_string(view.historySize) + " records, " +
                    std::to_string(records.size()) + " moves were played and not undone");
    }
    if (view.undoEnabled != (view.historySize > 0)) {
        return fail(std::string("\"Undo Move\" is ") + (view.undoEnabled ? "enabled" : "disabled") +
                    " with " + std::to_string(view.historySize) + " records");
    }
    return true;
}

// One move by the side to move of `before`, judged square by square.
bool SoakChecker::checkMove(const GameView& before, const GameView& after) {
    const uint8_t mover = before.sideToMove;
    const std::string where = " (" + positionOf(before) + " -> " + positionOf(after) + ")";
    if (after.historySize != before.historySize + 1) {
        return fail("a move left " + std::to_string(after.historySize) + " records after " +
                    std::to_string(before.historySize) + where);
    }
    int placed = -1;
    for (int index = 0; index < 64; ++index) {
        const uint8_t was = oracle::squareOf(before.rows, index % 8, index / 8);
        const uint8_t is = oracle::squareOf(after.rows, index % 8, index / 8);
        if (isEmptySquare(was) && !isEmptySquare(is)) {
            if (placed >= 0) return fail("a move placed two disks" + where);
            placed = index;
        }
    }
    if (placed < 0) return fail("a move was recorded but no disk was placed" + where);
    const int column = placed % 8;
    const int row = placed / 8;
    if (oracle::squareOf(after.rows, column, row) != mover) {
        return fail(std::string("the disk on ") + oracle::squareName(placed) +
                    " is not the mover's" + where);
    }
    if (!(oracle::legalSquares(before.rows, mover) & oracle::bitOf(column, row))) {
        return fail(std::string("illegal move ") + oracle::squareName(placed) + where);
    }
    const uint64_t flips = oracle::flipsOf(before.rows, column, row, mover);
    for (int index = 0; index < 64; ++index) {
        if (index == placed) continue;
        const uint8_t was = oracle::squareOf(before.rows, index % 8, index / 8);
        const uint8_t is = oracle::squareOf(after.rows, index % 8, index / 8);
        const bool flipped = (flips >> index) & 1;
        const bool ok = flipped ? is == mover : isEmptySquare(was) ? isEmptySquare(is) : is == was;
        if (!ok) {
            return fail(std::string("move ") + oracle::squareName(placed) + " left " +
                        oracle::squareName(index) + " wrong (flips " + squareList(flips) + ")" +
                        where);
        }
    }
    if (after.sideToMove != oracle::otherSide(mover)) {
        return fail("the turn did not pass after a move" + where);
    }
    records.push_back({PositionKey::of(before), 2u + uint32_t(__builtin_popcountll(flips))});
    ++moves;
    return true;
}

bool SoakChecker::checkNewGame(const GameView& after, int32_t opponent) {
    uint16_t start[8];
    oracle::startPosition(start);
    records.clear();
    computerMovesThisGame = 0;
    ++gamesStarted;
    for (int row = 0; row < 8; ++row) {
        if (after.rows[row] != start[row]) return fail("a new game began at " + positionOf(after));
    }
    if (after.sideToMove != oracle::RED) return fail("a new game did not begin with red");
    if (after.opponent != opponent) {
        return fail("a new game chose opponent " + std::to_string(after.opponent) + ", expected " +
                    std::to_string(opponent));
    }
    return true;
}

// The box of `kind` must be the last entries of the element list.
bool SoakChecker::checkEnteredBox(BoxKind kind, const GameView& after) {
    const std::size_t count = elementsOf(kind);
    if (after.elements < kGameElements + count) {
        return fail("a box was requested but the list holds " + std::to_string(after.elements) +
                    " elements");
    }
    const std::size_t first = after.elements - count;
    const Object* face = objectAt(first);
    if (face == nullptr || face->kind != KIND_MESSAGEBOX || !face->visible) {
        return fail("the newest layer does not begin with a visible message box");
    }
    const int red = oracle::countOf(after.rows, oracle::RED);
    const int blue = oracle::countOf(after.rows, oracle::BLUE);
    const BoxText expected = expectedText(kind, red > blue ? "Red" : "Blue");
    const auto* box = static_cast<const dMessageBox*>(face);
    if (box->lines != expected.lines) {
        std::string shown;
        for (const std::string& line : box->lines) shown += "[" + line + "]";
        return fail("the box shows " + shown + " (red " + std::to_string(red) + ", blue " +
                    std::to_string(blue) + ")");
    }
    for (std::size_t i = 0; i + 1 < count; ++i) {
        const Object* element = objectAt(first + 1 + i);
        if (element == nullptr || element->kind != KIND_BUTTON || !element->enabled ||
            static_cast<const Button*>(element)->label != expected.labels[i]) {
            return fail("button " + std::to_string(i) + " of the box is not an enabled \"" +
                        expected.labels[i] + "\"");
        }
    }
    return true;
}

bool SoakChecker::checkBoxesAndState(const GameView& after) {
    std::size_t expected = kGameElements;
    for (BoxKind kind : boxes) expected += elementsOf(kind);
    if (after.elements != expected) {
        return fail("the list holds " + std::to_string(after.elements) + " elements, expected " +
                    std::to_string(expected) + " with " + std::to_string(boxes.size()) +
                    " boxes open in state " + stateName(after.state) + "/" +
                    stateName(after.enteredState));
    }
    if (boxes.empty()) leftOpen = false;
    // Between an answer and the state it requests, STATE_DIALOG stays entered for one tick.
    if (after.enteredState == STATE_DIALOG && after.state == STATE_DIALOG && boxes.empty()) {
        return fail("STATE_DIALOG entered with no box open");
    }
    const bool playing = after.enteredState == STATE_PLAYING && after.state == STATE_PLAYING;
    if (playing && !boxes.empty() && !leftOpen) {
        return fail("a box is open while the game is playing");
    }
    if (playing && boxes.empty() && oracle::legalSquares(after.rows, after.sideToMove) == 0) {
        return fail("the side to move has no move but the game goes on: " + positionOf(after));
    }
    return true;
}

bool SoakChecker::checkAccounting(const GameView& after) {
    uint32_t expected = baseline;
    for (const Record& record : records) expected += record.objects;
    for (BoxKind kind : boxes) expected += uint32_t(elementsOf(kind));
    if (after.live != expected) {
        return fail("created - freed is " + std::to_string(after.live) + ", expected " +
                    std::to_string(expected) + " (" + std::to_string(records.size()) +
                    " records, " + std::to_string(boxes.size()) + " boxes)");
    }
    return true;
}

// A tick that enters the requested state does only that.
bool SoakChecker::enterState(const GameView& before, const GameView& after) {
    const int32_t entering = before.state;
    if (after.enteredState != entering) {
        return fail(std::string("requested ") + stateName(entering) + " but entered " +
                    stateName(after.enteredState));
    }
    if (PositionKey::of(after) != PositionKey::of(before) ||
        after.historySize != before.historySize) {
        return fail(std::string("entering ") + stateName(entering) + " changed the position");
    }
    if (after.redraw != before.redraw) return fail("a tick that enters a state changed redraw");
    int kind = -1;
    switch (entering) {
        case STATE_CONFIRM_NEW_GAME:
            kind = BOX_NEW_GAME;
            break;
        case STATE_CHOOSE_OPPONENT:
            kind = BOX_CHOOSE;
            break;
        case STATE_CHOOSE_OPPONENT_OR_QUIT:
            kind = BOX_CHOOSE_OR_QUIT;
            break;
        case STATE_CONFIRM_QUIT:
            kind = BOX_QUIT;
            break;
        case STATE_GAME_OVER:
            kind = BOX_WINNER;
            if (oracle::legalSquares(after.rows, after.sideToMove) != 0) {
                return fail("the winner is announced while the side to move can play");
            }
            ++gamesFinished;
            break;
        default:
            if (after.state != entering) {
                return fail(std::string("entering ") + stateName(entering) + " changed state to " +
                            stateName(after.state));
            }
            return true;
    }
    boxes.push_back(static_cast<BoxKind>(kind));
    ++boxesOpened;
    if (after.state != STATE_DIALOG) {
        return fail(std::string("a box opened but state is ") + stateName(after.state));
    }
    return checkEnteredBox(static_cast<BoxKind>(kind), after);
}

// Whether the element the driver aims at can be hovered in `view` (after the computer's part
// of a tick): only the top layer is active, marks only on the person's turn, "Undo Move"
// only when enabled.
bool SoakChecker::armed(TickIntent::Target target, int cell, const std::string& label,
                        const GameView& view) const {
    switch (target) {
        case TickIntent::CELL:
            return boxes.empty() &&
                   oracle::squareOf(view.rows, cell % 8, cell / 8) == oracle::MARK &&
                   !(view.opponent == OPPONENT_COMPUTER && view.sideToMove == oracle::BLUE);
        case TickIntent::NEW_GAME:
        case TickIntent::QUIT_GAME:
            return boxes.empty();
        case TickIntent::UNDO:
            return boxes.empty() && view.undoEnabled;
        case TickIntent::BOX_BUTTON: {
            if (boxes.empty()) return false;
            const BoxText text = expectedText(boxes.back(), "");
            for (const std::string& each : text.labels) {
                if (each == label) return true;
            }
            return false;
        }
        case TickIntent::NONE:
            break;
    }
    return false;
}

bool SoakChecker::afterTick(const GameView& before, const Game& game, const TickIntent& intent) {
    if (!failed.empty()) return false;
    const GameView after = GameView::of(game);

    if (before.state != before.enteredState) {
        // The tick only enters the state; it reads no button, so a press is not seen.
        if (intent.press != TickIntent::NONE || intent.release != TickIntent::NONE) {
            pressArmed = false;
        }
        return enterState(before, after) && checkPosition(after) && checkBoxesAndState(after) &&
               checkAccounting(after);
    }

    Expect expect{before.state, before.enteredState};
    const bool computerTurn = before.opponent == OPPONENT_COMPUTER &&
                              before.sideToMove == oracle::BLUE &&
                              before.enteredState == STATE_PLAYING &&
                              oracle::legalSquares(before.rows, oracle::BLUE) != 0;
    bool clicked = false;
    if (intent.release != TickIntent::NONE) {
        if (computerTurn) return fail("the computer was to move at a deliberate click");
        const bool samePress = pressed.press == intent.release && pressed.cell == intent.cell &&
                               pressed.label == intent.label;
        clicked =
            pressArmed && samePress && armed(intent.release, intent.cell, intent.label, before);
        pressArmed = false;
    }

    bool positionKept = true;
    if (computerTurn) {
        if (!checkMove(before, after)) return false;
        ++computerMoves;
        ++computerMovesThisGame;
        positionKept = false;
    } else if (clicked) {
        if (!judgeClick(intent, before, after, expect, positionKept)) return false;
    } else if (intent.release == TickIntent::NONE && after.historySize == before.historySize + 1) {
        // Noise on the board may click a marked square; that must be a legal move.
        if (!checkMove(before, after)) return false;
        positionKept = false;
    }

    if (positionKept && (PositionKey::of(after) != PositionKey::of(before) ||
                         after.historySize != before.historySize)) {
        return fail("the position changed without a move: " + positionOf(before) + " -> " +
                    positionOf(after));
    }
    if (!positionKept && after.historySize > before.historySize &&
        oracle::legalSquares(after.rows, after.sideToMove) == 0) {
        expect.state = STATE_GAME_OVER;
    }
    if (intent.press != TickIntent::NONE) {
        pressed = intent;
        pressArmed = armed(intent.press, intent.cell, intent.label, after);
    }
    if (intent.quitKeys) expect.entered = STATE_QUIT;

    if (after.state != expect.state || after.enteredState != expect.entered) {
        return fail(std::string("state ") + stateName(after.state) + "/" +
                    stateName(after.enteredState) + ", expected " + stateName(expect.state) + "/" +
                    stateName(expect.entered));
    }
    if (after.redraw != !intent.quitKeys) {
        return fail(intent.quitKeys ? "Ctrl+X left redraw set" : "a tick did not ask for a frame");
    }
    return checkPosition(after) && checkBoxesAndState(after) && checkAccounting(after);
}

// The effect of a click on the element the driver aimed at.
bool SoakChecker::judgeClick(const TickIntent& intent, const GameView& before,
                             const GameView& after, Expect& expect, bool& positionKept) {
    switch (intent.release) {
        case TickIntent::CELL:
            positionKept = false;
            if (!checkMove(before, after)) return false;
            if (oracle::squareOf(after.rows, intent.cell % 8, intent.cell / 8) !=
                before.sideToMove) {
                return fail(std::string("a click on ") + oracle::squareName(intent.cell) +
                            " played another square");
            }
            return true;
        case TickIntent::UNDO:
            positionKept = false;
            return judgeUndo(before, after);
        case TickIntent::NEW_GAME:
            expect.state = STATE_CONFIRM_NEW_GAME;
            return true;
        case TickIntent::QUIT_GAME:
            expect.state = STATE_CONFIRM_QUIT;
            return true;
        case TickIntent::BOX_BUTTON:
            return judgeAnswer(intent.label, after, expect, positionKept);
        case TickIntent::NONE:
            break;
    }
    return true;
}

// One record back against a person, two against the computer, as far as there are any; the
// position must be exactly the one remembered before the earliest move taken back.
bool SoakChecker::judgeUndo(const GameView& before, const GameView& after) {
    const std::size_t wanted = before.opponent == OPPONENT_HUMAN ? 1 : 2;
    const std::size_t pops = std::min(wanted, records.size());
    if (pops == 0) return fail("\"Undo Move\" was clicked with nothing to undo");
    const PositionKey restored = records[records.size() - pops].before;
    records.resize(records.size() - pops);
    undoneMoves += pops;
    if (after.historySize != records.size()) {
        return fail("undo left " + std::to_string(after.historySize) + " records, expected " +
                    std::to_string(records.size()));
    }
    if (PositionKey::of(after) != restored) {
        return fail("undo gave " + positionOf(after) + ", expected the earlier " +
                    describe(restored));
    }
    return true;
}

// A button of the top box: the box closes (except the Cancel that quits at once) and the
// state moves on as the box's question says.
bool SoakChecker::judgeAnswer(const std::string& label, const GameView& after, Expect& expect,
                              bool& positionKept) {
    const BoxKind kind = boxes.back();
    if (!(kind == BOX_CHOOSE_OR_QUIT && label == "Cancel")) boxes.pop_back();
    if (label == "Human" || label == "Computer") {
        expect = {STATE_PLAYING, STATE_PLAYING};
        positionKept = false;
        return checkNewGame(after, label == "Human" ? OPPONENT_HUMAN : OPPONENT_COMPUTER);
    }
    switch (kind) {
        case BOX_NEW_GAME:
            expect.state = label == "Yes" ? STATE_CHOOSE_OPPONENT : STATE_PLAYING;
            break;
        case BOX_CHOOSE:
            expect.state = STATE_PLAYING;
            break;
        case BOX_CHOOSE_OR_QUIT:
            expect.entered = STATE_QUIT;
            break;
        case BOX_QUIT:
            expect.state = label == "Yes" ? STATE_QUIT : STATE_PLAYING;
            // "No" over another box leaves that box open under STATE_PLAYING.
            if (label == "No" && !boxes.empty()) leftOpen = true;
            break;
        case BOX_WINNER:
            expect.state = label == "Yes" ? STATE_CHOOSE_OPPONENT_OR_QUIT : STATE_QUIT;
            break;
    }
    return true;
}
