#include "messagebox/MessageBox.h"

#include "messagebox/MessageBoxLayout.h"
#include "screen/Button.h"
#include "screen/Input.h"
#include "screen/ObjectList.h"
#include "support/TestSupport.h"

using Rects = std::vector<std::vector<int>>;

Rects rectsOf(const BoxLayout& layout) {
    Rects rects = {{layout.box.x, layout.box.y, layout.box.width, layout.box.height}};
    for (const BoxRect& b : layout.buttons) rects.push_back({b.x, b.y, b.width, b.height});
    return rects;
}

TEST(MessageBox, CentresTheBoxAndItsRowOfEquallyWideButtonsWithoutClampingToTheScreen) {
    // Line height 20, button corners 6 by 6, one line 100 wide, "Yes" 30 and "No" 24 wide.
    EXPECT_EQ(rectsOf(layoutMessageBox({20, 12, 12, {100}, {30, 24}, 800, 600})),
              (Rects{{246, 250, 308, 100}, {278, 302, 106, 32}, {416, 302, 106, 32}}));
    EXPECT_EQ(messageLineY(250, 20, 0), 266);
    EXPECT_EQ(rectsOf(layoutMessageBox({20, 12, 12, {900, 10}, {30}, 800, 600})),
              (Rects{{-88, 232, 976, 2 * 20 + 4 * 16 + 32}, {347, 320, 106, 32}}));
    EXPECT_EQ(splitPieces("Congratulations!\n\nBlue wins", '\n'),
              (std::vector<std::string>{"Congratulations!", "", "Blue wins"}));
    EXPECT_EQ(splitPieces("Yes|No|", '|'), (std::vector<std::string>{"Yes", "No", ""}));
}

TEST(MessageBox, OpensALayerOfButtonsCarryingTheirCodesInLabelOrderAboveAnInertFace) {
    CountDelta counts;
    ASSERT_EQ(dMessageBox::show("", "x", {4}), 0);
    const int32_t oneLine = static_cast<dMessageBox*>(objectAt(0))->height;
    popLayer();
    ASSERT_EQ(dMessageBox::show("Please choose\nyour opponent!", "Human|Computer|", {11, 12, 13}),
              0);
    ASSERT_EQ(objectListSize(), 4u);
    auto* box = static_cast<dMessageBox*>(objectAt(0));
    EXPECT_EQ(box->lines, (std::vector<std::string>{"Please choose", "your opponent!"}));
    EXPECT_GT(box->height, oneLine) << "an empty text still takes one line";
    const char* labels[] = {"Human", "Computer", ""};
    for (std::size_t i = 1; i <= 3; ++i) {
        const auto* button = static_cast<Button*>(objectAt(i));
        EXPECT_EQ(button->label, labels[i - 1]);
        EXPECT_EQ(button->id, int32_t(10 + i));
        EXPECT_EQ(button->x, objectAt(1)->x + int32_t(i - 1) * (objectAt(1)->width + 32));
    }
    input.mouseX = box->x + 2;
    input.mouseY = box->y + 2;
    EXPECT_EQ(objectUnderMouse(), nullptr);
    input.mouseX = objectAt(2)->x;
    input.mouseY = objectAt(2)->y;
    EXPECT_EQ(objectUnderMouse(), objectAt(2));
    popLayer();
    EXPECT_EQ(dMessageBox::show("text", "Yes|No", {9}), -1) << "one code per label";
    EXPECT_EQ(objectListSize(), 0u);
    EXPECT_EQ(counts.freed(), counts.created());
}
