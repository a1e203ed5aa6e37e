#include <gtest/gtest.h>

#include "messagebox/MessageBox.h"
#include "rules/ObjectCounters.h"
#include "screen/GameFixture.h"

namespace {

// A stand-in element whose destruction can be observed.
class Probe : public Object {
public:
    explicit Probe(int* deaths) : deaths(deaths) {
        visible = true;
        enabled = true;
        width = height = 10;
    }
    ~Probe() override { ++*deaths; }
    void draw(DrawState) override {}
    int* deaths;
};

using Elements = GameFixture;

TEST_F(Elements, ASquareHoldsItsLeftAndTopEdgesButNotItsRightAndBottom) {
    game->board = Board{};
    setSquare(game->board, 0, 0, LegalMark);
    const Cell& cell = game->cells[0];
    EXPECT_TRUE(cell.contains(44, 44));
    EXPECT_TRUE(cell.contains(107, 107));
    EXPECT_FALSE(cell.contains(108, 44));
    EXPECT_FALSE(cell.contains(44, 108));
    EXPECT_FALSE(cell.contains(43, 50));
}

TEST_F(Elements, ACellIsFoundOnlyWhileItsSquareHoldsALegalMark) {
    input.mouseX = 44 + 64 * 2 + 10;  // (2, 4): legal for Red at the start
    input.mouseY = 44 + 64 * 4 + 10;
    EXPECT_EQ(objectUnderMouse(), &game->cells[8 * 4 + 2]);
    input.mouseX = 44 + 64 * 3 + 10;  // (3, 4): a Blue disk
    EXPECT_EQ(objectUnderMouse(), nullptr);
    input.mouseX = 44 + 10;  // (0, 4): empty, not legal
    EXPECT_EQ(objectUnderMouse(), nullptr);
    const Button& newGame = game->buttons[0];
    input.mouseX = newGame.x + newGame.width - 1;
    input.mouseY = newGame.y;
    EXPECT_EQ(objectUnderMouse(), &newGame);
}

TEST_F(Elements, TheGameButtonsShareOneWidthAndLineUpWithTheBoard) {
    const Button* b = game->buttons;
    EXPECT_EQ(b[0].width, b[1].width);
    EXPECT_EQ(b[1].width, b[2].width);
    EXPECT_GE(b[0].width, Button::fittedWidth("Undo Move") + 64);
    EXPECT_EQ(b[0].y, 44);
    EXPECT_EQ(b[1].y, b[0].y + b[0].height + 16);
    EXPECT_EQ(b[2].y + b[2].height, 556);
    EXPECT_EQ(b[0].x, (800 - b[0].width - 556) / 2 + 556);
    EXPECT_EQ(b[0].label, "New Game");
    EXPECT_EQ(b[2].id, ACTION_QUIT_GAME);
}

TEST_F(Elements, LayersRemoveExactlyTheEntriesAddedSinceAndDeleteOnlyOwnedOnes) {
    int deaths = 0;
    Probe notOwned(&deaths);
    const std::size_t base = objectListSize();
    pushLayer();
    EXPECT_EQ(objectUnderMouse(), nullptr);  // nothing active until the next add
    Probe* owned1 = new Probe(&deaths);
    Probe* owned2 = new Probe(&deaths);
    owned2->x = 100;
    addObject(owned1, true);
    addObject(&notOwned, false);
    addObject(owned2, true);
    EXPECT_EQ(addObject(nullptr, true), nullptr);
    EXPECT_EQ(objectListSize(), base + 3);

    input.mouseX = 5;
    input.mouseY = 5;
    EXPECT_EQ(objectUnderMouse(), &notOwned);  // the topmost of the two at (5, 5)
    hoverObject = owned1;
    pressedObject = owned2;

    const uint32_t freed = objectsFreed;
    popLayer();
    EXPECT_EQ(objectsFreed - freed, 2u);
    EXPECT_EQ(deaths, 2);
    EXPECT_EQ(objectListSize(), base);
    EXPECT_EQ(hoverObject, nullptr);  // no dangling identity survives its element
    EXPECT_EQ(pressedObject, nullptr);

    input.mouseX = 44 + 64 * 2 + 10;
    input.mouseY = 44 + 64 * 4 + 10;
    EXPECT_EQ(objectUnderMouse(), &game->cells[8 * 4 + 2]);  // the game is active again
    popLayer();  // no layer left: nothing happens
    EXPECT_EQ(objectListSize(), base);
}

TEST_F(Elements, WithABoxOpenNothingOfTheGameScreenIsFound) {
    ASSERT_EQ(dMessageBox::show("Are you sure that you want to quit the application?", "Yes|No",
                                {ACTION_QUIT_YES, ACTION_QUIT_NO}),
              0);
    const Button& newGame = game->buttons[0];
    input.mouseX = newGame.x + 5;
    input.mouseY = newGame.y + 5;
    EXPECT_EQ(objectUnderMouse(), nullptr);
    input.mouseX = 44 + 64 * 2 + 10;
    input.mouseY = 44 + 64 * 4 + 10;
    EXPECT_EQ(objectUnderMouse(), nullptr);
}

TEST_F(Elements, ClearingTheListDeletesOwnedElementsAndCountsThem) {
    ASSERT_EQ(dMessageBox::show("text", "Yes|No", {ACTION_QUIT_YES, ACTION_QUIT_NO}), 0);
    const uint32_t freed = objectsFreed;
    clearObjects();
    EXPECT_EQ(objectsFreed - freed, 3u);  // the box and its buttons, not the game's elements
    EXPECT_EQ(objectListSize(), 0u);
}

}  // namespace
