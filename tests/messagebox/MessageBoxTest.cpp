#include <gtest/gtest.h>

#include "messagebox/MessageBoxLayout.h"

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
    // Two lines: 16 above the first, 20 + 16 for each line, the 32-high buttons, 16 below.
    EXPECT_EQ(rectsOf(layoutMessageBox({20, 12, 12, {900, 10}, {30}, 800, 600})),
              (Rects{{-88, 232, 976, 136}, {347, 320, 106, 32}}));
    EXPECT_EQ(splitPieces("Congratulations!\n\nBlue wins", '\n'),
              (std::vector<std::string>{"Congratulations!", "", "Blue wins"}));
    EXPECT_EQ(splitPieces("Yes|No|", '|'), (std::vector<std::string>{"Yes", "No", ""}));
    EXPECT_EQ(splitPieces("", '\n'), std::vector<std::string>{""}) << "an empty text is one line";
}
