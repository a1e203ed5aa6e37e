#pragma once

#include <cstdint>

#include <allegro5/allegro.h>

// The process-wide input levels, written only by Game::handleEvent and read once per
// tick. Levels, not edges: a press and release between two ticks is never seen.
struct Input {
    bool keys[ALLEGRO_KEY_MAX] = {};
    int32_t mouseX = 0;  // screen-bitmap coordinates (800 by 600)
    int32_t mouseY = 0;
    bool mouseButtons[8] = {};  // by Allegro button number; 1 is the left button
    float scaleX = 1.0f;        // 800 / window width
    float scaleY = 1.0f;        // 600 / window height

    // Recomputes the factors that map window positions onto the screen bitmap. A zero
    // size (a minimised window on some systems) keeps the previous factors instead of
    // dividing by zero.
    void setWindowSize(int32_t width, int32_t height);
};

extern Input input;
