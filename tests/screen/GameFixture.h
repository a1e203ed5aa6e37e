#pragma once

#include <string>
#include <vector>

#include <allegro5/allegro.h>
#include <gtest/gtest.h>

#include "messagebox/MessageBox.h"
#include "screen/Game.h"
#include "screen/Input.h"
#include "screen/Layout.h"
#include "screen/ObjectList.h"
#include "tests/support/RulesModel.h"

// A set-up Game driven only through handleEvent with synthetic events, as the main loop
// drives it. The tick reads levels, so a click is: move, tick, press, tick, release, tick.
class GameFixture : public ::testing::Test {
protected:
    void SetUp() override { startGame(); }
    void TearDown() override { endGame(); }
    void startGame() {
        input = Input{};
        hoverObject = pressedObject = nullptr;
        wasPressed = false;
        game = new Game(nullptr);
        game->setup();
    }
    // As at exit: the Game goes, then every element left, open boxes included.
    void endGame() {
        delete game;
        game = nullptr;
        clearObjects();
        while (layerDepth() > 0) popLayer();  // nothing is left to delete: forgets the layers
    }

    // A synthetic event: for a key `x` is the key code, else a position with the left button.
    void send(ALLEGRO_EVENT_TYPE type, int x = 0, int y = 0) {
        ALLEGRO_EVENT event{};
        event.type = type;
        if (type == ALLEGRO_EVENT_KEY_DOWN || type == ALLEGRO_EVENT_KEY_UP) {
            event.keyboard.keycode = x;
        } else {
            event.mouse.x = x;
            event.mouse.y = y;
            event.mouse.button = 1;
        }
        game->handleEvent(event);
    }
    virtual void beforeTick() {}  // for tests that check every tick
    virtual void afterTick() {}
    void tick(int count = 1) {
        for (int i = 0; i < count; ++i) {
            beforeTick();
            send(ALLEGRO_EVENT_TIMER);
            afterTick();
        }
    }
    void moveTo(int x, int y) { send(ALLEGRO_EVENT_MOUSE_AXES, x, y); }
    void press() { send(ALLEGRO_EVENT_MOUSE_BUTTON_DOWN, input.mouseX, input.mouseY); }
    void release() { send(ALLEGRO_EVENT_MOUSE_BUTTON_UP, input.mouseX, input.mouseY); }
    void clickAt(int x, int y) {
        moveTo(x, y);
        tick();
        press();
        tick();
        release();
        tick();
    }
    void clickSquare(int column, int row) {
        const int half = LAYOUT_SQUARE_SIZE / 2;
        clickAt(LAYOUT_BOARD_LEFT + LAYOUT_SQUARE_SIZE * column + half,
                LAYOUT_BOARD_TOP + LAYOUT_SQUARE_SIZE * row + half);
    }
    void clickElement(const Object& e) { clickAt(e.x + e.width / 2, e.y + e.height / 2); }
    void clickGameButton(int action) { clickElement(game->buttons[action]); }
    // A requested box is built at the next tick, which enters STATE_DIALOG at the one after.
    void openBox() { tick(2); }

    // The topmost open box followed by its buttons, and its lines.
    static std::vector<Object*> topBox() {
        std::vector<Object*> elements;
        for (std::size_t i = 0; Object* element = objectAt(i); ++i) {
            if (element->kind == KIND_MESSAGEBOX) elements.clear();
            if (element->kind == KIND_MESSAGEBOX || !elements.empty()) elements.push_back(element);
        }
        return elements;
    }
    static std::vector<std::string> topBoxLines() {
        const std::vector<Object*> box = topBox();
        return box.empty() ? std::vector<std::string>{} : static_cast<dMessageBox*>(box[0])->lines;
    }
    // Clicks the button labelled `label` of the topmost open box.
    void answer(const std::string& label) {
        for (Object* element : topBox())
            if (element->kind == KIND_BUTTON && static_cast<Button*>(element)->label == label)
                return clickElement(*element);
        FAIL() << "the top box has no button " << label;
    }
    // Waits for each box in turn and answers it.
    void answerBoxes(const std::vector<std::string>& labels) {
        for (const std::string& label : labels) {
            openBox();
            answer(label);
        }
    }
    // Red at a1, Blue at b1 and `blueTail` Blue disks at the end of row 8: Red's only move, c1,
    // leaves Blue without a legal move and ends the game.
    void setUpLastMove(int blueTail = 0) {
        const std::string tail = std::string(8 - blueTail, '.') + std::string(blueTail, 'B');
        game->board = RulesModel::picture({"RB", "", "", "", "", "", "", tail}).board(Red);
        CountDisks(*game);
    }

    Game* game = nullptr;
};
