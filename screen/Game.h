#pragma once

#include <cstdint>

#include <allegro5/allegro.h>

#include "rules/Position.h"
#include "screen/Button.h"
#include "screen/Cell.h"
#include "screen/GameState.h"
#include "screen/TurnArrow.h"

// The one object that joins the rules to the screen. It owns the position (board, disk
// counts, side to move and undo history, from Position), the 64 cells, the three buttons
// and the turn arrow. It turns queued events into input levels, runs one tick per timer
// event (entering requested states, the computer's move, clicks) and draws the frame.
// Anyone who wants a dialog, a new game or the end writes `state`; the next tick acts on
// it. The main loop ends once enteredState is STATE_QUIT.
class Game : public Position {
public:
    explicit Game(ALLEGRO_DISPLAY* window);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Creates and registers the buttons and cells and sets up a two-person game. Always 0.
    int32_t setup();
    // Starts a game against `newOpponent` with Red to move; leaves `state` to the caller.
    void newGame(int32_t newOpponent);
    void handleEvent(const ALLEGRO_EVENT& event);
    void update();
    // Composes the frame on the current target (the screen bitmap); clears redraw and
    // changes nothing else.
    void draw();

    ALLEGRO_DISPLAY* display;
    int32_t enteredState = STATE_PLAYING;
    int32_t state = STATE_PLAYING;
    bool redraw = false;
    int32_t opponent = OPPONENT_HUMAN;
    Cell cells[64];
    TurnArrow turnArrow;
    Button buttons[3];  // "New Game", "Undo Move", "Quit Game"

private:
    void createButtons();
    void createCells();
    void resetTurnArrow();
    void playMove(int column, int row);
    void playComputerMove();
    void updateHover();
    void handleLeftButton();
    void click(Object* element);
    void runAction(int32_t action);
    void enterState();
    int32_t stateAfterQuitDeclined() const;
    bool quitKeysDown() const;
    bool computerPlaysBlue() const;
    bool computerToMove() const;
    bool finished() const;

    void drawScore() const;
    void drawCoordinates() const;
    void drawBanner() const;
};
