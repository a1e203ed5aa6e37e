#include "screen/Input.h"

#include "screen/Layout.h"

Input input;

void Input::setWindowSize(int32_t width, int32_t height) {
    if (width <= 0 || height <= 0) return;
    scaleX = static_cast<float>(LAYOUT_SCREEN_WIDTH) / width;
    scaleY = static_cast<float>(LAYOUT_SCREEN_HEIGHT) / height;
}

void Input::setKey(int keycode, bool down) {
    if (keycode <= 0 || keycode >= ALLEGRO_KEY_MAX) return;
    if (down) {
        keys[keycode].press();
    } else {
        keys[keycode].release();
    }
}

void Input::moveMouse(int32_t windowX, int32_t windowY) {
    const bool held = mouseHeld();
    (held ? heldX : mouseX) = static_cast<int32_t>(windowX * scaleX);
    (held ? heldY : mouseY) = static_cast<int32_t>(windowY * scaleY);
}

void Input::setMouseButton(unsigned button, bool down, int32_t windowX, int32_t windowY) {
    if (button >= 8) return moveMouse(windowX, windowY);
    InputLevel& level = mouseButtons[button];
    if (down) {
        level.press();  // which ends the hold of its own release
        moveMouse(windowX, windowY);
        pressX = mouseHeld() ? heldX : mouseX;
        pressY = mouseHeld() ? heldY : mouseY;
        return;
    }
    const bool wasHeld = mouseHeld();
    level.release();
    if (!wasHeld && mouseHeld()) {  // the tick that reads the press sees it where it was made
        mouseX = pressX;
        mouseY = pressY;
    }
    moveMouse(windowX, windowY);
}

void Input::beginTick() {
    const bool wasHeld = mouseHeld();
    for (InputLevel& key : keys) key.beginTick();
    for (InputLevel& button : mouseButtons) button.beginTick();
    if (wasHeld && !mouseHeld()) {
        mouseX = heldX;
        mouseY = heldY;
    }
}

bool Input::mouseHeld() const {
    for (const InputLevel& button : mouseButtons)
        if (button.held()) return true;
    return false;
}
