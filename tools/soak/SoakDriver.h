#pragma once

#include <cstdint>
#include <string>

#include <allegro5/allegro.h>

#include "tools/soak/GameView.h"
#include "tools/soak/SoakChecker.h"
#include "tools/soak/SoakRandom.h"
#include "tools/soak/SoakRun.h"

class Game;

// Plays a Game the way a restless user would, through handleEvent only: mouse moves,
// presses and releases seen at tick boundaries, clicks on marked squares, on the buttons
// and on the buttons of open boxes, noise on the board, the window's close button and
// Ctrl+X. Every timer event it sends is judged by the checker at once.
class SoakDriver {
public:
    SoakDriver(SoakChecker& checker, SoakRandom& random, const SoakOptions& options)
        : checker(checker), random(random), options(options) {}

    void attach(Game* newGame) { game = newGame; }
    // One thing a user does next, from looking at the screen (the Game's view).
    void step();
    bool failed() const { return !checker.failure().empty(); }

    uint64_t ticks = 0;

private:
    void send(const ALLEGRO_EVENT& event);
    void tick(const TickIntent& intent = TickIntent{});
    void moveTo(int x, int y);
    void mouseButton(ALLEGRO_EVENT_TYPE type, unsigned button);
    void key(ALLEGRO_EVENT_TYPE type, int keycode);
    void maybeDraw();
    void trace(const GameView& before, const TickIntent& intent) const;
    void corrupt();

    // Move, tick, press, tick, release, tick: a click the Game must see.
    void click(TickIntent::Target target, int cell, const std::string& label, int x, int y);
    void clickRect(TickIntent::Target target, const std::string& label, int x, int y, int width,
                   int height);
    void playSquare();
    void clickGameButton(int index);
    void noise();
    void quitKeys();
    void closeWindow();
    void answerBox();
    void leaveGame();

    SoakChecker& checker;
    SoakRandom& random;
    const SoakOptions& options;
    Game* game = nullptr;
    bool endingGame = false;  // the computer has had its moves: start another game
};
