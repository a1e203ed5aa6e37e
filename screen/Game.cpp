#include "screen/Game.h"

#include <algorithm>

#include <allegro5/allegro_native_dialog.h>

#include "messagebox/MessageBox.h"
#include "resources/Lookup.h"
#include "resources/ResourceIds.h"
#include "rules/ComputerPlayer.h"
#include "screen/Input.h"
#include "screen/Layout.h"
#include "screen/ObjectList.h"

namespace {

const char* const TEXT_CONFIRM_NEW_GAME =
    "Are you sure that you want to stop\nthis game and start another?";
const char* const TEXT_CONFIRM_QUIT = "Are you sure that you want to quit the application?";

bool askNative(ALLEGRO_DISPLAY* display, const char* title, const char* text) {
    return al_show_native_message_box(display, title, "Are you sure?", text, nullptr,
                                      ALLEGRO_MESSAGEBOX_YES_NO) == 1;
}

}  // namespace

Game::Game(ALLEGRO_DISPLAY* window) : display(window) {}

int32_t Game::setup() {
    createButtons();
    createCells();
    newGame(OPPONENT_HUMAN);  // the first game after start-up is for two people
    return 0;
}

// Three buttons of one width, centred right of the board: "New Game" level with its top,
// "Undo Move" 16 pixels below it, "Quit Game" level with the board's bottom.
void Game::createButtons() {
    static const char* const labels[3] = {"New Game", "Undo Move", "Quit Game"};
    int32_t widest = 0;
    for (const char* label : labels) widest = std::max(widest, Button::fittedWidth(label));
    const int32_t width = widest + 64;
    const int32_t height = Button::fittedHeight();
    const int32_t screenWidth = al_get_bitmap_width(dLibrary::bitmapResource(RES_SCREEN));
    const int32_t left = (screenWidth - width - LAYOUT_BOARD_RIGHT) / 2 + LAYOUT_BOARD_RIGHT;
    const int32_t tops[3] = {LAYOUT_BOARD_TOP, LAYOUT_BOARD_TOP + height + 16,
                             LAYOUT_BOARD_BOTTOM - height};
    for (int32_t i = 0; i < 3; ++i) buttons[i].create(labels[i], i, left, tops[i], width, height);
    buttons[ACTION_UNDO_MOVE].enabled = false;
    for (Button& button : buttons) addObject(&button, false);
}

void Game::createCells() {
    for (int32_t r = 0; r < 8; ++r) {
        for (int32_t c = 0; c < 8; ++c) {
            Cell& cell = cells[8 * r + c];
            cell.visible = true;
            cell.enabled = true;
            cell.kind = KIND_CELL;
            cell.x = LAYOUT_BOARD_LEFT + LAYOUT_SQUARE_SIZE * c;
            cell.y = LAYOUT_BOARD_TOP + LAYOUT_SQUARE_SIZE * r;
            cell.width = LAYOUT_SQUARE_SIZE;
            cell.height = LAYOUT_SQUARE_SIZE;
            cell.column = static_cast<uint8_t>(c);
            cell.row = static_cast<uint8_t>(r);
            cell.rows = board.rows;
            addObject(&cell, false);
        }
    }
}

void Game::resetTurnArrow() {
    turnArrow.reset();
    turnArrow.update(Red);
}

void Game::newGame(int32_t newOpponent) {
    opponent = newOpponent;
    sideToMove = Red;
    ResetBoard(*this, Red);
    resetTurnArrow();
    history.ClearHistory();
    enteredState = STATE_PLAYING;
    buttons[ACTION_UNDO_MOVE].enabled = false;
}

void Game::handleEvent(const ALLEGRO_EVENT& event) {
    switch (event.type) {
        case ALLEGRO_EVENT_KEY_DOWN:
        case ALLEGRO_EVENT_KEY_UP:
            input.setKey(event.keyboard.keycode, event.type == ALLEGRO_EVENT_KEY_DOWN);
            break;
        case ALLEGRO_EVENT_MOUSE_AXES:
        case ALLEGRO_EVENT_MOUSE_ENTER_DISPLAY:
            input.moveMouse(event.mouse.x, event.mouse.y);
            break;
        case ALLEGRO_EVENT_MOUSE_BUTTON_DOWN:
        case ALLEGRO_EVENT_MOUSE_BUTTON_UP:
            input.setMouseButton(event.mouse.button, event.type == ALLEGRO_EVENT_MOUSE_BUTTON_DOWN,
                                 event.mouse.x, event.mouse.y);
            break;
        case ALLEGRO_EVENT_MOUSE_LEAVE_DISPLAY:
            input.moveMouse(event.mouse.x, event.mouse.y);
            redraw = true;
            break;
        case ALLEGRO_EVENT_TIMER:
            update();
            break;
        case ALLEGRO_EVENT_DISPLAY_RESIZE: {
            ALLEGRO_DISPLAY* source = event.display.source;
            al_acknowledge_resize(source);
            redraw = true;
            input.setWindowSize(al_get_display_width(source), al_get_display_height(source));
            break;
        }
        case ALLEGRO_EVENT_DISPLAY_CLOSE:
            state = STATE_CONFIRM_QUIT;
            break;
        default:
            break;
    }
}

void Game::update() {
    if (state != enteredState) {
        enteredState = state;
        enterState();
        return;
    }
    input.beginTick();
    turnArrow.update(sideToMove);
    if (computerToMove()) playComputerMove();
    updateHover();
    handleLeftButton();
    if (quitKeysDown()) {
        enteredState = STATE_QUIT;
        redraw = false;
    } else {
        redraw = true;
    }
}

bool Game::computerPlaysBlue() const {
    return opponent == OPPONENT_COMPUTER && sideToMove == Blue;
}

// A box left open over a playing state (the opponent choice under a declined quit box) or a
// finished game leaves the computer nothing to do: it would search in vain at every tick
// and its banner would cover the box.
bool Game::computerToMove() const {
    return enteredState == STATE_PLAYING && layerDepth() == 0 && computerPlaysBlue() && !finished();
}

// The side to move has no marked square: there is no passing, so the game is over.
bool Game::finished() const {
    return CollectMoves(board).count == 0;
}

// A close request can overwrite the game-over request of the move that ended the game;
// declining to quit must still announce that game's winner.
int32_t Game::stateAfterQuitDeclined() const {
    return finished() && layerDepth() == 0 ? STATE_GAME_OVER : STATE_PLAYING;
}

void Game::playMove(int column, int row) {
    PlayResult result = PlayMove(*this, column, row);
    if (result.recorded) buttons[ACTION_UNDO_MOVE].enabled = true;
    if (result.gameOver) state = STATE_GAME_OVER;
}

void Game::playComputerMove() {
    Move move = ComputeMove(board, Blue);
    if (move == NoMove) {
        // Every line loses: the search found nothing above its floor. Blue still has to
        // move (computerToMove holds only while it can), so play its first legal square
        // rather than search again at every tick.
        move = CollectMoves(board).moves[0];
    }
    playMove(move.column, move.row);
}

void Game::updateHover() {
    hoverObject = objectUnderMouse();
    if (!hoverObject) return;
    if (!hoverObject->enabled || (hoverObject->kind == KIND_CELL && computerPlaysBlue())) {
        hoverObject = nullptr;
    }
}

// A click is a press and a release on the same element, seen at two different ticks.
void Game::handleLeftButton() {
    if (input.mouseButtons[1]) {
        if (!wasPressed) pressedObject = hoverObject;
        wasPressed = true;
        return;
    }
    if (wasPressed && pressedObject && pressedObject == hoverObject) click(pressedObject);
    wasPressed = false;
}

void Game::click(Object* element) {
    if (element->kind == KIND_CELL) {
        const Cell* cell = static_cast<const Cell*>(element);
        playMove(cell->column, cell->row);
        hoverObject = nullptr;
        pressedObject = nullptr;
    } else if (element->kind == KIND_BUTTON) {
        runAction(static_cast<const Button*>(element)->id);
    }
}

void Game::runAction(int32_t action) {
    switch (action) {
        case ACTION_NEW_GAME:
            state = STATE_CONFIRM_NEW_GAME;
            break;
        case ACTION_UNDO_MOVE:
            if (UndoMoves(*this, opponent == OPPONENT_HUMAN ? 1 : 2)) {
                buttons[ACTION_UNDO_MOVE].enabled = false;
            }
            break;
        case ACTION_QUIT_GAME:
            state = STATE_CONFIRM_QUIT;
            break;
        case ACTION_ANOTHER_GAME_YES:
            popLayer();
            state = STATE_CHOOSE_OPPONENT_OR_QUIT;
            break;
        case ACTION_ANOTHER_GAME_NO:
        case ACTION_QUIT_YES:
            state = STATE_QUIT;
            popLayer();
            break;
        case ACTION_CANCEL_AND_QUIT:
            enteredState = STATE_QUIT;  // at once; the box stays until shutdown
            break;
        case ACTION_NEW_GAME_YES:
            popLayer();
            state = STATE_CHOOSE_OPPONENT;
            break;
        case ACTION_NEW_GAME_NO:
        case ACTION_CANCEL:
            popLayer();
            state = STATE_PLAYING;
            break;
        case ACTION_QUIT_NO:
            popLayer();
            state = stateAfterQuitDeclined();
            break;
        case ACTION_HUMAN:
        case ACTION_COMPUTER:
            newGame(action == ACTION_HUMAN ? OPPONENT_HUMAN : OPPONENT_COMPUTER);
            popLayer();
            state = STATE_PLAYING;
            break;
        default:  // 3 and anything unknown, such as a button never created
            break;
    }
}

void Game::enterState() {
    switch (enteredState) {
        case STATE_CONFIRM_NEW_GAME:
            if (dMessageBox::show(TEXT_CONFIRM_NEW_GAME, "Yes|No",
                                  {ACTION_NEW_GAME_YES, ACTION_NEW_GAME_NO}) == 0) {
                state = STATE_DIALOG;
            } else {
                if (askNative(display, "New Game", TEXT_CONFIRM_NEW_GAME)) newGame(OPPONENT_HUMAN);
                state = STATE_PLAYING;
            }
            break;
        case STATE_CHOOSE_OPPONENT:
        case STATE_CHOOSE_OPPONENT_OR_QUIT: {
            const int32_t cancel =
                enteredState == STATE_CHOOSE_OPPONENT ? ACTION_CANCEL : ACTION_CANCEL_AND_QUIT;
            const bool open =
                dMessageBox::show("Please choose your opponent!", "Human|Computer|Cancel",
                                  {ACTION_HUMAN, ACTION_COMPUTER, cancel}) == 0;
            state = open ? STATE_DIALOG : STATE_PLAYING;
            break;
        }
        case STATE_CONFIRM_QUIT:
            if (dMessageBox::show(TEXT_CONFIRM_QUIT, "Yes|No", {ACTION_QUIT_YES, ACTION_QUIT_NO}) ==
                0) {
                state = STATE_DIALOG;
            } else {
                const bool quit = askNative(display, "Quit Game", TEXT_CONFIRM_QUIT);
                state = quit ? STATE_QUIT : stateAfterQuitDeclined();
            }
            break;
        case STATE_GAME_OVER: {
            CountDisks(*this);
            const std::string text = std::string("Congratulations!\n\n") +
                                     (Winner(*this) == Red ? "Red" : "Blue") +
                                     " is the winner!\n\nWould you like to play another game?";
            const bool open =
                dMessageBox::show(text, "Yes|No",
                                  {ACTION_ANOTHER_GAME_YES, ACTION_ANOTHER_GAME_NO}) == 0;
            state = open ? STATE_DIALOG : STATE_PLAYING;
            break;
        }
        default:  // playing, quit and dialog have no entry action
            break;
    }
}

bool Game::quitKeysDown() const {
    return (input.keys[ALLEGRO_KEY_LCTRL] || input.keys[ALLEGRO_KEY_RCTRL]) &&
           input.keys[ALLEGRO_KEY_X];
}
