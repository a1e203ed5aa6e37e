#pragma once

#include <string>

#include <allegro5/allegro.h>
#include <gtest/gtest.h>

#include "screen/Button.h"
#include "screen/Game.h"
#include "screen/Input.h"
#include "screen/ObjectList.h"

// A set-up Game driven only through handleEvent with synthetic Allegro events, as the
// main loop drives it. Levels are read once per tick, so a click is press, tick, release,
// tick.
class GameFixture : public ::testing::Test {
protected:
    void SetUp() override {
        input = Input{};
        hoverObject = pressedObject = nullptr;
        wasPressed = false;
        game = new Game(nullptr);
        ASSERT_EQ(game->setup(), 0);
    }

    void TearDown() override {
        for (int i = 0; i < 8; ++i) popLayer();  // closes any boxes a test left open
        delete game;
        clearObjects();
    }

    void send(ALLEGRO_EVENT_TYPE type) {
        ALLEGRO_EVENT event{};
        event.type = type;
        game->handleEvent(event);
    }
    void tick(int count = 1) {
        for (int i = 0; i < count; ++i) send(ALLEGRO_EVENT_TIMER);
    }
    void mouse(ALLEGRO_EVENT_TYPE type, int x, int y, unsigned button = 0) {
        ALLEGRO_EVENT event{};
        event.type = type;
        event.mouse.x = x;
        event.mouse.y = y;
        event.mouse.button = button;
        game->handleEvent(event);
    }
    void key(ALLEGRO_EVENT_TYPE type, int keycode) {
        ALLEGRO_EVENT event{};
        event.type = type;
        event.keyboard.keycode = keycode;
        game->handleEvent(event);
    }
    void moveTo(int x, int y) { mouse(ALLEGRO_EVENT_MOUSE_AXES, x, y); }
    void press() { mouse(ALLEGRO_EVENT_MOUSE_BUTTON_DOWN, input.mouseX, input.mouseY, 1); }
    void release() { mouse(ALLEGRO_EVENT_MOUSE_BUTTON_UP, input.mouseX, input.mouseY, 1); }
    void clickAt(int x, int y) {
        moveTo(x, y);
        tick();
        press();
        tick();
        release();
        tick();
    }
    void clickSquare(int column, int row) { clickAt(44 + 64 * column + 32, 44 + 64 * row + 32); }
    void clickElement(const Object& element) {
        clickAt(element.x + element.width / 2, element.y + element.height / 2);
    }
    void clickGameButton(int index) { clickElement(game->buttons[index]); }
    // Clicks the button of the topmost open box whose label is `label`.
    void answer(const std::string& label) {
        Button* found = nullptr;
        for (std::size_t i = 67; objectAt(i); ++i) {
            if (objectAt(i)->kind == KIND_BUTTON && static_cast<Button*>(objectAt(i))->label == label) {
                found = static_cast<Button*>(objectAt(i));
            }
        }
        ASSERT_NE(found, nullptr) << "no open box has a button " << label;
        clickElement(*found);
    }
    // Ticks until a requested box is open (its state entered and STATE_DIALOG entered).
    void openBox() { tick(2); }
    uint8_t square(int column, int row) const {
        return (game->board.rows[row] >> (14 - 2 * column)) & 3;
    }

    Game* game = nullptr;
};
