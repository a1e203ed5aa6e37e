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
        press(keys[keycode]);
    } else {
        release(keys[keycode]);
    }
}

void Input::moveMouse(int32_t windowX, int32_t windowY) {
    (holding ? heldX : mouseX) = static_cast<int32_t>(windowX * scaleX);
    (holding ? heldY : mouseY) = static_cast<int32_t>(windowY * scaleY);
}

void Input::setMouseButton(unsigned button, bool down, int32_t windowX, int32_t windowY) {
    if (button >= 8) return moveMouse(windowX, windowY);
    InputLevel& level = mouseButtons[button];
    if (down) {
        press(level);
        mouseX = heldX = pressX = static_cast<int32_t>(windowX * scaleX);
        mouseY = heldY = pressY = static_cast<int32_t>(windowY * scaleY);
        return;
    }
    const bool unread = level.unread;
    release(level);
    if (unread) {  // the moves since the press wait with the release
        mouseX = pressX;
        mouseY = pressY;
    }
    moveMouse(windowX, windowY);
}

void Input::beginTick() {
    const bool letGo = holding && !pressUnread;  // the tick before read every press
    const auto settle = [letGo](InputLevel& level) {
        if (letGo && level.releaseHeld) level.down = level.releaseHeld = false;
        level.unread = false;
    };
    for (InputLevel& key : keys) settle(key);
    for (InputLevel& button : mouseButtons) settle(button);
    if (letGo) {
        mouseX = heldX;
        mouseY = heldY;
        holding = false;
    }
    pressUnread = false;
}

void Input::press(InputLevel& level) {
    level.down = level.unread = pressUnread = true;
    level.releaseHeld = false;
}

void Input::release(InputLevel& level) {
    if (!pressUnread) {
        level.down = false;
        return;
    }
    if (!holding) {
        heldX = mouseX;
        heldY = mouseY;
    }
    level.releaseHeld = holding = true;
}
