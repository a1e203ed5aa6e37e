#include "screen/GameFixture.h"

namespace {

Object* foundAt(int x, int y) {
    input.mouseX = x;
    input.mouseY = y;
    return objectUnderMouse();
}

using Elements = GameFixture;

}  // namespace

TEST_F(Elements, AnElementHoldsItsLeftAndTopEdgesAndASquareIsFoundOnlyWhileMarked) {
    game->board = Board{};
    setSquare(game->board, 0, 0, LegalMark);
    const Object* const a1 = &game->cells[0];
    const Button& newGame = game->buttons[ACTION_NEW_GAME];
    const int right = newGame.x + newGame.width;
    for (const auto& [x, y, found] : {std::tuple{44, 44, a1},
                                      {107, 107, a1},
                                      {108, 44, nullptr},
                                      {44, 108, nullptr},
                                      {43, 50, nullptr},
                                      {right - 1, newGame.y, &newGame},
                                      {right, newGame.y, nullptr}})
        EXPECT_EQ(foundAt(x, y), found) << x << "," << y;
    setSquare(game->board, 0, 0, Red);
    EXPECT_EQ(foundAt(50, 50), nullptr) << "a disk is never found";
}
