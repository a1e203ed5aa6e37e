#pragma once

#include <cstdint>

#include <allegro5/allegro.h>

// One key or mouse button as the ticks read it: down or up.
class InputLevel {
public:
    explicit operator bool() const { return down; }

private:
    friend struct Input;
    bool down = false;
    bool unread = false;       // pressed since the last tick that read the input
    bool releaseHeld = false;  // released, but shown down until a later tick
};

// The process-wide input, written only by Game::handleEvent and read by the ticks, which read
// levels, not edges. Yet no press is lost when its release comes before the next tick (a fast
// click, a touchpad tap, a burst replayed by a remote desktop or a tool): while some press is
// unread, a release is held back, and with it every later mouse move, until the tick after the
// one that reads the press. That tick sees what was down when the press was made (Ctrl with
// its X, even when Ctrl is let go first), and a mouse button released before any tick read it
// is seen down where it was pressed, so a press on one element and a release on another stay
// what they are, however fast. Input that comes while no press is unread reaches the next tick
// as it is.
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
    void press(InputLevel& level);
    void release(InputLevel& level);
    bool pressUnread = false;        // some press since the last tick that read the input
    bool holding = false;            // releases and the latest position are held back
    int32_t heldX = 0, heldY = 0;    // that position
    int32_t pressX = 0, pressY = 0;  // where the latest mouse button went down
};

extern Input input;
