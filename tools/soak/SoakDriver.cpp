#include "tools/soak/SoakDriver.h"

#include <cstdio>

#include "resources/Lookup.h"
#include "resources/ResourceIds.h"
#include "screen/Button.h"
#include "screen/Game.h"
#include "screen/Input.h"
#include "screen/ObjectList.h"
#include "tools/soak/GameView.h"
#include "tools/soak/Oracle.h"

namespace {

const int kBoardLeft = 44;
const int kSquare = 64;
const int kNoiseWidth = 556;  // left of the game buttons: noise never clicks a button
const int kScreenHeight = 600;

int pickBit(uint64_t mask, SoakRandom& random) {
    int chosen = random.below(__builtin_popcountll(mask));
    for (int index = 0; index < 64; ++index) {
        if ((mask >> index) & 1) {
            if (chosen-- == 0) return index;
        }
    }
    return -1;
}

// The button labelled `label` of the topmost open box, or null.
const Button* boxButton(const std::string& label) {
    std::size_t face = objectListSize();
    while (face > 0 && objectAt(face - 1)->kind != KIND_MESSAGEBOX) --face;
    for (std::size_t i = face; i < objectListSize(); ++i) {
        const Object* element = objectAt(i);
        if (element->kind == KIND_BUTTON && static_cast<const Button*>(element)->label == label) {
            return static_cast<const Button*>(element);
        }
    }
    return nullptr;
}

// True when (x, y) lies on a button of the topmost open box.
bool onBoxButton(int x, int y) {
    for (std::size_t i = objectListSize(); i > 0; --i) {
        const Object* element = objectAt(i - 1);
        if (element->kind == KIND_MESSAGEBOX) break;
        if (element->contains(x, y)) return true;
    }
    return false;
}

const char* pick(SoakRandom& random, const char* first, int firstPercent, const char* second,
                 int secondPercent, const char* third) {
    const int roll = random.below(100);
    if (roll < firstPercent) return first;
    return roll < firstPercent + secondPercent ? second : third;
}

}  // namespace

void SoakDriver::send(const ALLEGRO_EVENT& event) {
    game->handleEvent(event);
}

void SoakDriver::tick(const TickIntent& intent) {
    if (failed()) return;
    const GameView before = GameView::of(*game);
    ALLEGRO_EVENT event{};
    event.type = ALLEGRO_EVENT_TIMER;
    send(event);
    ++ticks;
    if (options.traceFrom != 0 && ticks >= options.traceFrom) trace(before, intent);
    if (!checker.afterTick(before, *game, intent)) return;
    if (options.corruptAtTick != 0 && ticks == options.corruptAtTick) corrupt();
    maybeDraw();
}

void SoakDriver::trace(const GameView& before, const TickIntent& intent) const {
    static const char* const targets[] = {"-", "cell", "new-game", "undo", "quit-game", "box"};
    std::fprintf(stderr,
                 "tick %llu press=%s release=%s cell=%s label=%s ctrl-x=%d mouse=%d,%d left=%d "
                 "state %s/%s -> %s/%s history %zu -> %zu\n",
                 static_cast<unsigned long long>(ticks), targets[intent.press],
                 targets[intent.release], intent.cell >= 0 ? oracle::squareName(intent.cell) : "-",
                 intent.label.empty() ? "-" : intent.label.c_str(), intent.quitKeys ? 1 : 0,
                 input.mouseX, input.mouseY, input.mouseButtons[1] ? 1 : 0, stateName(before.state),
                 stateName(before.enteredState), stateName(game->state),
                 stateName(game->enteredState), before.historySize, game->history.size());
}

void SoakDriver::moveTo(int x, int y) {
    ALLEGRO_EVENT event{};
    event.type = ALLEGRO_EVENT_MOUSE_AXES;
    event.mouse.x = x;
    event.mouse.y = y;
    send(event);
}

void SoakDriver::mouseButton(ALLEGRO_EVENT_TYPE type, unsigned button) {
    ALLEGRO_EVENT event{};
    event.type = type;
    event.mouse.x = input.mouseX;
    event.mouse.y = input.mouseY;
    event.mouse.button = button;
    send(event);
}

void SoakDriver::key(ALLEGRO_EVENT_TYPE type, int keycode) {
    ALLEGRO_EVENT event{};
    event.type = type;
    event.keyboard.keycode = keycode;
    send(event);
}

// The main loop draws whenever a frame is wanted and the queue is empty; the soak draws a
// sample of those frames into the screen bitmap, which must change nothing but redraw.
void SoakDriver::maybeDraw() {
    if (!game->redraw || random.below(1000) >= static_cast<int>(options.drawPermille)) return;
    const GameView before = GameView::of(*game);
    al_set_target_bitmap(dLibrary::bitmapResource(RES_SCREEN));
    game->draw();
    checker.afterDraw(before, *game);
}

// A disk the rules never placed, for the self-test of the checker.
void SoakDriver::corrupt() {
    for (int index = 0; index < 64; ++index) {
        if (oracle::squareOf(game->board.rows, index % 8, index / 8) == oracle::EMPTY) {
            oracle::putSquare(game->board.rows, index % 8, index / 8, oracle::RED);
            return;
        }
    }
}

void SoakDriver::click(TickIntent::Target target, int cell, const std::string& label, int x,
                       int y) {
    moveTo(x, y);
    tick();
    mouseButton(ALLEGRO_EVENT_MOUSE_BUTTON_DOWN, 1);
    TickIntent press;
    press.press = target;
    press.cell = cell;
    press.label = label;
    tick(press);
    if (random.percent(10)) {
        for (int held = random.between(1, 3); held > 0; --held) tick();
    }
    mouseButton(ALLEGRO_EVENT_MOUSE_BUTTON_UP, 1);
    TickIntent release;
    release.release = target;
    release.cell = cell;
    release.label = label;
    tick(release);
}

void SoakDriver::clickRect(TickIntent::Target target, const std::string& label, int x, int y,
                           int width, int height) {
    click(target, -1, label, x + random.below(width), y + random.below(height));
}

void SoakDriver::playSquare() {
    const GameView view = GameView::of(*game);
    const int index = pickBit(oracle::legalSquares(view.rows, view.sideToMove), random);
    if (index < 0) {
        tick();
        return;
    }
    const int x = kBoardLeft + kSquare * (index % 8) + random.below(kSquare);
    const int y = kBoardLeft + kSquare * (index / 8) + random.below(kSquare);
    click(TickIntent::CELL, index, "", x, y);
}

void SoakDriver::clickGameButton(int index) {
    static const TickIntent::Target targets[3] = {TickIntent::NEW_GAME, TickIntent::UNDO,
                                                  TickIntent::QUIT_GAME};
    const Button& button = game->buttons[index];
    clickRect(targets[index], "", button.x, button.y, button.width, button.height);
}

// Mouse and key events without a plan, left of the game buttons: stray presses, drags
// from square to square, other mouse buttons (one beyond the eight Allegro numbers), keys
// other than Ctrl+X (some outside the key table), the pointer leaving and entering the window.
void SoakDriver::noise() {
    bool leftDown = false;
    int heldKey = 0;
    moveTo(random.below(kNoiseWidth), random.below(kScreenHeight));  // off the last button clicked
    for (int events = random.between(1, 8); events > 0; --events) {
        switch (random.below(9)) {
            case 0:
            case 1:
                moveTo(random.below(kNoiseWidth), random.below(kScreenHeight));
                break;
            case 2: {
                const GameView view = GameView::of(*game);
                const int index = pickBit(oracle::legalSquares(view.rows, view.sideToMove), random);
                if (index >= 0) {
                    moveTo(kBoardLeft + kSquare * (index % 8) + random.below(kSquare),
                           kBoardLeft + kSquare * (index / 8) + random.below(kSquare));
                }
                break;
            }
            case 3:
                mouseButton(
                    leftDown ? ALLEGRO_EVENT_MOUSE_BUTTON_UP : ALLEGRO_EVENT_MOUSE_BUTTON_DOWN, 1);
                leftDown = !leftDown;
                break;
            case 4: {
                static const unsigned others[4] = {2, 3, 7, 9};
                const unsigned button = others[random.below(4)];
                mouseButton(ALLEGRO_EVENT_MOUSE_BUTTON_DOWN, button);
                mouseButton(ALLEGRO_EVENT_MOUSE_BUTTON_UP, button);
                break;
            }
            case 5:
            case 6:
                tick();
                break;
            case 7:
                if (random.percent(10)) {
                    // Codes outside the key table, as a broken driver might send.
                    static const int strange[4] = {0, -1, ALLEGRO_KEY_MAX, ALLEGRO_KEY_MAX + 1000};
                    const int code = strange[random.below(4)];
                    key(ALLEGRO_EVENT_KEY_DOWN, code);
                    key(ALLEGRO_EVENT_KEY_UP, code);
                } else if (heldKey == 0) {
                    heldKey = random.between(1, ALLEGRO_KEY_MAX - 1);
                    if (heldKey == ALLEGRO_KEY_X || heldKey == ALLEGRO_KEY_LCTRL ||
                        heldKey == ALLEGRO_KEY_RCTRL) {
                        heldKey = ALLEGRO_KEY_SPACE;
                    }
                    key(ALLEGRO_EVENT_KEY_DOWN, heldKey);
                }
                break;
            case 8: {
                ALLEGRO_EVENT event{};
                event.type = random.percent(50) ? ALLEGRO_EVENT_MOUSE_LEAVE_DISPLAY
                                                : ALLEGRO_EVENT_MOUSE_ENTER_DISPLAY;
                event.mouse.x = input.mouseX;
                event.mouse.y = input.mouseY;
                send(event);
                break;
            }
        }
    }
    if (leftDown) mouseButton(ALLEGRO_EVENT_MOUSE_BUTTON_UP, 1);
    if (heldKey != 0) key(ALLEGRO_EVENT_KEY_UP, heldKey);
    tick();
}

void SoakDriver::quitKeys() {
    key(ALLEGRO_EVENT_KEY_DOWN, random.percent(50) ? ALLEGRO_KEY_LCTRL : ALLEGRO_KEY_RCTRL);
    key(ALLEGRO_EVENT_KEY_DOWN, ALLEGRO_KEY_X);
    TickIntent intent;
    intent.quitKeys = true;
    tick(intent);
}

void SoakDriver::closeWindow() {
    ALLEGRO_EVENT event{};
    event.type = ALLEGRO_EVENT_DISPLAY_CLOSE;
    send(event);
    checker.afterCloseRequest(*game);
}

void SoakDriver::answerBox() {
    const SoakChecker::BoxKind kind = checker.openBoxes().back();
    const int roll = random.below(1000);
    if (roll < 15 && kind != SoakChecker::BOX_QUIT) {
        closeWindow();  // the quit box opens over this one
        return;
    }
    if (roll < 20) {
        quitKeys();
        return;
    }
    if (roll < 60) {
        // The layers below the box are inert: a click on a marked square or a game button
        // beside the box's buttons must do nothing.
        const GameView view = GameView::of(*game);
        const uint64_t legal = oracle::legalSquares(view.rows, view.sideToMove);
        const int index = legal != 0 && random.percent(50) ? pickBit(legal, random) : -1;
        const Button& button = game->buttons[random.below(3)];
        const int x = index >= 0 ? kBoardLeft + kSquare * (index % 8) + kSquare / 2
                                 : button.x + button.width / 2;
        const int y = index >= 0 ? kBoardLeft + kSquare * (index / 8) + kSquare / 2
                                 : button.y + button.height / 2;
        if (!onBoxButton(x, y)) {
            static const TickIntent::Target targets[3] = {TickIntent::NEW_GAME, TickIntent::UNDO,
                                                          TickIntent::QUIT_GAME};
            click(index >= 0 ? TickIntent::CELL : targets[button.id], index, "", x, y);
            return;
        }
    }
    const bool leaving = options.computerMoves != 0 && game->opponent == OPPONENT_COMPUTER &&
                         checker.computerMovesThisGame >= options.computerMoves;
    const char* label = "";
    switch (kind) {
        case SoakChecker::BOX_NEW_GAME:
            label = leaving || random.percent(65) ? "Yes" : "No";
            break;
        case SoakChecker::BOX_CHOOSE:
            label = leaving ? pick(random, "Human", 50, "Computer", 50, "")
                            : pick(random, "Human", 45, "Computer", 45, "Cancel");
            break;
        case SoakChecker::BOX_CHOOSE_OR_QUIT:
            label = pick(random, "Human", 48, "Computer", 48, "Cancel");
            break;
        case SoakChecker::BOX_QUIT:
            label = leaving || random.percent(15) ? "Yes" : "No";
            break;
        case SoakChecker::BOX_WINNER:
            label = random.percent(95) ? "Yes" : "No";
            break;
    }
    const Button* button = boxButton(label);
    if (button == nullptr) {
        checker.fail(std::string("the open box has no button \"") + label + "\"");
        return;
    }
    clickRect(TickIntent::BOX_BUTTON, label, button->x, button->y, button->width, button->height);
}

// The computer has made its moves for this game: start another one, or quit.
void SoakDriver::leaveGame() {
    const int roll = random.below(100);
    if (roll < 85) {
        clickGameButton(ACTION_NEW_GAME);
    } else if (roll < 95) {
        clickGameButton(ACTION_QUIT_GAME);
    } else {
        quitKeys();
    }
}

void SoakDriver::step() {
    if (failed()) return;
    const GameView view = GameView::of(*game);
    if (view.enteredState == STATE_QUIT) return;  // the run starts the program again
    if (view.state != view.enteredState ||
        (view.opponent == OPPONENT_COMPUTER && view.sideToMove == oracle::BLUE &&
         checker.openBoxes().empty())) {
        // A request enters, or the computer moves, at the next tick.
        if (random.percent(30)) moveTo(random.below(kNoiseWidth), random.below(kScreenHeight));
        tick();
        return;
    }
    if (!checker.openBoxes().empty()) {
        answerBox();
        return;
    }
    if (options.computerMoves != 0 && view.opponent == OPPONENT_COMPUTER &&
        checker.computerMovesThisGame >= options.computerMoves) {
        leaveGame();
        return;
    }
    const int roll = random.below(1000);
    // Per thousand: mostly moves, some undos and noise, and now and then a question, so
    // that most two-person games still reach their end.
    if (roll < 800) {
        playSquare();
    } else if (roll < 860) {
        clickGameButton(ACTION_UNDO_MOVE);
    } else if (roll < 940) {
        noise();
    } else if (roll < 944) {
        clickGameButton(ACTION_NEW_GAME);
    } else if (roll < 947) {
        clickGameButton(ACTION_QUIT_GAME);
    } else if (roll < 948) {
        closeWindow();
    } else if (roll < 949) {
        quitKeys();
    } else {
        moveTo(random.below(kNoiseWidth), random.below(kScreenHeight));
        for (int idle = random.between(1, 3); idle > 0; --idle) tick();
    }
}
