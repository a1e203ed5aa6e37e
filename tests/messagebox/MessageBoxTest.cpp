#include "messagebox/MessageBox.h"

#include <gtest/gtest.h>

#include "messagebox/MessageBoxLayout.h"
#include "rules/ObjectCounters.h"
#include "screen/Button.h"
#include "screen/Input.h"
#include "screen/ObjectList.h"
#include "support/LoadedResources.h"

namespace {

TEST(MessageBoxLayout, MatchesTheWorkedExample) {
    BoxLayout layout = layoutMessageBox({20, 12, 12, {100}, {30, 24}, 800, 600});
    EXPECT_EQ(layout.box.width, 308);
    EXPECT_EQ(layout.box.height, 100);
    EXPECT_EQ(layout.box.x, 246);
    EXPECT_EQ(layout.box.y, 250);
    ASSERT_EQ(layout.buttons.size(), 2u);
    EXPECT_EQ(layout.buttons[0].x, 278);
    EXPECT_EQ(layout.buttons[1].x, 416);
    for (const BoxRect& b : layout.buttons) {
        EXPECT_EQ(b.y, 302);
        EXPECT_EQ(b.width, 106);
        EXPECT_EQ(b.height, 32);
    }
    EXPECT_EQ(messageLineY(layout.box.y, 20, 0), 266);
}

TEST(MessageBoxLayout, WideTextSetsTheWidthAndIsNeverClamped) {
    BoxLayout layout = layoutMessageBox({20, 12, 12, {900, 10}, {30}, 800, 600});
    EXPECT_EQ(layout.box.width, 976);
    EXPECT_EQ(layout.box.x, -88);  // truncated toward zero, past the screen's left edge
    EXPECT_EQ(layout.box.height, 2 * 20 + 4 * 16 + 32);
    // A single button is centred in the box.
    EXPECT_EQ(layout.buttons[0].x + layout.buttons[0].width / 2, layout.box.x + layout.box.width / 2);
}

TEST(MessageBoxSplit, EmptyPiecesCount) {
    std::vector<std::string> winner = splitPieces(
        "Congratulations!\n\nBlue is the winner!\n\nWould you like to play another game?", '\n');
    ASSERT_EQ(winner.size(), 5u);
    EXPECT_EQ(winner[0], "Congratulations!");
    EXPECT_EQ(winner[1], "");
    EXPECT_EQ(winner[2], "Blue is the winner!");
    EXPECT_EQ(winner[3], "");
    EXPECT_EQ(winner[4], "Would you like to play another game?");
    EXPECT_EQ(splitPieces("", '\n'), std::vector<std::string>{""});
    EXPECT_EQ(splitPieces("Yes|No|", '|'), (std::vector<std::string>{"Yes", "No", ""}));
    EXPECT_EQ(splitPieces("||", '|').size(), 3u);
}

class MessageBoxShow : public ::testing::Test {
protected:
    void TearDown() override {
        popLayer();  // every test leaves at most one box open
        clearObjects();
    }
    static Button* button(std::size_t index) { return static_cast<Button*>(objectAt(index)); }
    static dMessageBox* box() { return static_cast<dMessageBox*>(objectAt(0)); }
};

TEST_F(MessageBoxShow, ButtonsCarryTheirCodesInLabelOrderAndShareOneWidth) {
    uint32_t created = objectsCreated;
    ASSERT_EQ(dMessageBox::show("Please choose your opponent!", "Human|Computer|Cancel", {11, 12, 13}), 0);
    EXPECT_EQ(objectsCreated - created, 4u);
    ASSERT_EQ(objectListSize(), 4u);
    EXPECT_EQ(box()->kind, KIND_MESSAGEBOX);
    const char* labels[] = {"Human", "Computer", "Cancel"};
    for (std::size_t i = 1; i <= 3; ++i) {
        EXPECT_EQ(button(i)->label, labels[i - 1]);
        EXPECT_EQ(button(i)->id, int32_t(10 + i));
        EXPECT_EQ(button(i)->width, button(1)->width);
        EXPECT_EQ(button(i)->y, button(1)->y);
        EXPECT_TRUE(button(i)->enabled);
    }
    EXPECT_EQ(button(2)->x - button(1)->x, button(1)->width + 32);
    // The row lies inside the box, centred, with the box centred on the screen.
    EXPECT_EQ(box()->x, (800 - box()->width) / 2);
    EXPECT_LT(button(3)->y + button(3)->height, box()->y + box()->height);
}

TEST_F(MessageBoxShow, EmptyTextStillTakesOneLineAndATrailingBarAddsAnEmptyButton) {
    ASSERT_EQ(dMessageBox::show("x", "Yes", {4}), 0);
    const int32_t oneLineHeight = box()->height;
    popLayer();
    ASSERT_EQ(dMessageBox::show("", "Yes|No|", {4, 5, 6}), 0);
    EXPECT_EQ(box()->lines, std::vector<std::string>{""});
    EXPECT_EQ(box()->height, oneLineHeight);
    ASSERT_EQ(objectListSize(), 4u);
    EXPECT_EQ(button(3)->label, "");
    EXPECT_EQ(button(3)->id, 6);
}

TEST_F(MessageBoxShow, TheFaceIsInertAndOnlyItsButtonsAreFound) {
    ASSERT_EQ(dMessageBox::show("Are you sure?", "Yes|No", {9, 10}), 0);
    input.mouseX = box()->x + 2;
    input.mouseY = box()->y + 2;
    EXPECT_EQ(objectUnderMouse(), nullptr);
    input.mouseX = button(2)->x;
    input.mouseY = button(2)->y;
    EXPECT_EQ(objectUnderMouse(), button(2));
}

TEST_F(MessageBoxShow, CodesThatDoNotMatchTheLabelsBuildNothing) {
    uint32_t created = objectsCreated;
    EXPECT_EQ(dMessageBox::show("text", "Yes|No", {9}), -1);
    EXPECT_EQ(objectsCreated, created);
    EXPECT_EQ(objectListSize(), 0u);
}

TEST_F(MessageBoxShow, ClosingTheLayerFreesTheBoxAndItsButtons) {
    ASSERT_EQ(dMessageBox::show("one\ntwo", "Yes|No", {7, 8}), 0);
    EXPECT_EQ(box()->lines.size(), 2u);
    uint32_t freed = objectsFreed;
    popLayer();
    EXPECT_EQ(objectsFreed - freed, 3u);
    EXPECT_EQ(objectListSize(), 0u);
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new LoadedResources);
    return RUN_ALL_TESTS();
}
