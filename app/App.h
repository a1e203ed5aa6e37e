#pragma once

#include <cstdint>
#include <string>

#include <allegro5/allegro.h>

class Game;

// The program's outer shell: start-up in a fixed, logged order, the main loop, and a
// teardown that destroys exactly what exists, checking that every tracked object
// created during the run was freed. Owns every Allegro handle and the Game.
class App {
public:
    App() = default;
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Starts up, runs until the Game quits, shuts down. 0 after a normal run, -1 when
    // start-up failed: the user has then seen the error box, and standard error holds one
    // line naming the failed step and the log's path.
    int32_t run();

private:
    int32_t init();
    void reportFailure() const;
    void showLoadingPicture();
    // Safe on a partly initialised App; leaves every field null.
    void shutdown();
    void mainLoop();
    void redraw();

    ALLEGRO_DISPLAY* display = nullptr;
    ALLEGRO_EVENT_QUEUE* eventQueue = nullptr;
    ALLEGRO_TIMER* timer = nullptr;
    ALLEGRO_MOUSE_CURSOR* mouseCursor = nullptr;
    Game* game = nullptr;
    // What stopped start-up when its log line does not say it (the asset loading).
    std::string failedStep;
};

// Initialises Allegro, its input drivers and addons, and moves to the executable's
// directory so data files are found beside it. 0 on success, -1 on the first failure.
int32_t initAllegro();
