#pragma once

#include <cstdint>

#include <allegro5/allegro.h>

// One key or mouse button as the ticks read it: down or up. A press must reach a tick even when
// its release follows before the next one (a fast click, a touchpad tap, a burst replayed by a
// remote desktop), so a release that arrives before any tick has read the press is held back
// until the tick after the one that reads it. A press that a tick has read is released at once.
class InputLevel {
public:
    void press() {
        down = true;
        unread = true;
        releaseHeld = false;
    }
    void release() {
        if (unread) {
            releaseHeld = true;
        } else {
            down = false;
        }
    }
    // Before a tick reads: lets a held release go once an earlier tick has read its press.
    void beginTick() {
        if (releaseHeld && !unread) down = releaseHeld = false;
        unread = false;
    }
    bool held() const { return releaseHeld; }
    explicit operator bool() const { return down; }

private:
    bool down = false;
    bool unread = false;  // pressed since the last tick began
    bool releaseHeld = false;
};

// The process-wide input, written only by Game::handleEvent and read by the ticks. The ticks
// read levels, not edges, yet no press is lost: see InputLevel. While a mouse button's release
// is held back, so is the mouse position it came with and any later move, and the tick that
// reads the press sees the mouse where it was pressed: a press on one element and a release on
// another stay what they are, however fast.
struct Input {
    InputLevel keys[ALLEGRO_KEY_MAX];
    int32_t mouseX = 0;  // screen-bitmap coordinates (800 by 600)
    int32_t mouseY = 0;
    InputLevel mouseButtons[8];  // by Allegro button number; 1 is the left button
    float scaleX = 1.0f;         // 800 / window width
    float scaleY = 1.0f;         // 600 / window height

    // Recomputes the factors that map window positions onto the screen bitmap. A zero
    // size (a minimised window on some systems) keeps the previous factors instead of
    // dividing by zero.
    void setWindowSize(int32_t width, int32_t height);
    // The events, positions in window pixels. Key codes out of range and buttons from 8 on are
    // ignored (a button's position is still stored).
    void setKey(int keycode, bool down);
    void moveMouse(int32_t windowX, int32_t windowY);
    void setMouseButton(unsigned button, bool down, int32_t windowX, int32_t windowY);
    // Called by each tick that reads the input, before it reads.
    void beginTick();

private:
    bool mouseHeld() const;
    int32_t heldX = 0, heldY = 0;    // the latest position while a release is held back
    int32_t pressX = 0, pressY = 0;  // where the latest button went down
};

extern Input input;
