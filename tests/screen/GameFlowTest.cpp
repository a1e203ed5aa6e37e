#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "messagebox/MessageBox.h"
#include "rules/Rules.h"
#include "screen/GameFixture.h"
#include "support/LoadedResources.h"

namespace {

const std::size_t kGameElements = 67;  // three buttons and 64 cells

using GameFlow = GameFixture;

TEST_F(GameFlow, TwoPeoplePlayFromStartUpWithoutAnyDialog) {
    EXPECT_EQ(game->opponent, OPPONENT_HUMAN);
    EXPECT_FALSE(game->buttons[ACTION_UNDO_MOVE].enabled);
    clickSquare(2, 4);
    EXPECT_EQ(square(2, 4), Red);
    EXPECT_EQ(game->sideToMove, Blue);
    EXPECT_EQ(game->redCount, 4);
    EXPECT_EQ(game->blueCount, 1);
    EXPECT_TRUE(game->buttons[ACTION_UNDO_MOVE].enabled);
    clickSquare(2, 3);
    EXPECT_EQ(square(2, 3), Blue);
    EXPECT_EQ(game->sideToMove, Red);
    EXPECT_EQ(objectListSize(), kGameElements);
    EXPECT_EQ(game->enteredState, STATE_PLAYING);
}

TEST_F(GameFlow, NewGameAgainstTheComputerWhichRepliesAtTheNextTick) {
    clickSquare(2, 4);
    clickGameButton(ACTION_NEW_GAME);
    EXPECT_EQ(game->state, STATE_CONFIRM_NEW_GAME);
    openBox();
    EXPECT_EQ(game->enteredState, STATE_DIALOG);
    answer("Yes");
    openBox();
    answer("Computer");
    EXPECT_EQ(game->opponent, OPPONENT_COMPUTER);
    EXPECT_EQ(game->sideToMove, Red);
    EXPECT_TRUE(game->history.empty());
    EXPECT_FALSE(game->buttons[ACTION_UNDO_MOVE].enabled);
    EXPECT_EQ(square(2, 4), LegalMark);
    EXPECT_EQ(objectListSize(), kGameElements);

    clickSquare(2, 4);
    EXPECT_EQ(game->sideToMove, Blue);  // the banner's frame comes first
    tick();
    EXPECT_EQ(square(4, 5), Blue);
    EXPECT_EQ(game->sideToMove, Red);
}

TEST_F(GameFlow, CancellingTheOpponentChoiceKeepsTheOldGame) {
    clickSquare(2, 4);
    const Board before = game->board;
    clickGameButton(ACTION_NEW_GAME);
    openBox();
    answer("Yes");
    openBox();
    answer("Cancel");
    tick();
    EXPECT_EQ(game->enteredState, STATE_PLAYING);
    EXPECT_EQ(std::memcmp(&before, &game->board, sizeof before), 0);
    EXPECT_EQ(game->sideToMove, Blue);
    EXPECT_EQ(game->opponent, OPPONENT_HUMAN);
    EXPECT_EQ(game->history.size(), 1u);
    EXPECT_EQ(objectListSize(), kGameElements);
}

TEST_F(GameFlow, NoToTheNewGameQuestionContinuesTheGame) {
    clickGameButton(ACTION_NEW_GAME);
    openBox();
    auto* box = static_cast<dMessageBox*>(objectAt(kGameElements));
    EXPECT_EQ(box->lines, (std::vector<std::string>{"Are you sure that you want to stop",
                                                    "this game and start another?"}));
    answer("No");
    tick();
    EXPECT_EQ(game->enteredState, STATE_PLAYING);
    clickSquare(2, 4);
    EXPECT_EQ(square(2, 4), Red);
}

// Red at a1, Blue at b1 (and `blueTail` Blue disks at the end of row 7): Red's only move c1
// leaves Blue without a legal move, so it ends the game.
void setUpLastMove(Game& game, int blueTail) {
    game.board = Board{};
    setSquare(game.board, 0, 0, Red);
    setSquare(game.board, 1, 0, Blue);
    for (int i = 0; i < blueTail; ++i) setSquare(game.board, 7 - i, 7, Blue);
    MarkLegalMoves(game.board, Red);
    CountDisks(game);
}

TEST_F(GameFlow, TheLastMoveAnnouncesTheWinnerAndYesThenCancelEndsTheProgram) {
    setUpLastMove(*game, 0);
    clickSquare(2, 0);
    EXPECT_EQ(game->state, STATE_GAME_OVER);
    openBox();
    auto* box = static_cast<dMessageBox*>(objectAt(kGameElements));
    EXPECT_EQ(box->lines, (std::vector<std::string>{"Congratulations!", "", "Red is the winner!", "",
                                                    "Would you like to play another game?"}));
    answer("Yes");
    EXPECT_EQ(game->state, STATE_CHOOSE_OPPONENT_OR_QUIT);
    openBox();
    answer("Cancel");
    EXPECT_EQ(game->enteredState, STATE_QUIT);
}

TEST_F(GameFlow, EqualCountsAnnounceBlueAndNoEndsTheProgram) {
    setUpLastMove(*game, 3);
    clickSquare(2, 0);
    openBox();
    auto* box = static_cast<dMessageBox*>(objectAt(kGameElements));
    EXPECT_EQ(box->lines[2], "Blue is the winner!");
    answer("No");
    EXPECT_EQ(game->state, STATE_QUIT);
    tick();
    EXPECT_EQ(game->enteredState, STATE_QUIT);
}

TEST_F(GameFlow, WinnerYesThenAnOpponentStartsANewGame) {
    setUpLastMove(*game, 0);
    clickSquare(2, 0);
    openBox();
    answer("Yes");
    openBox();
    answer("Human");
    EXPECT_EQ(game->enteredState, STATE_PLAYING);
    EXPECT_EQ(game->redCount, 2);
    EXPECT_EQ(game->blueCount, 2);
    EXPECT_EQ(objectListSize(), kGameElements);
}

TEST_F(GameFlow, UndoTakesBackOneMoveAgainstAPersonAndTwoAgainstTheComputer) {
    clickSquare(2, 4);
    clickSquare(2, 3);
    clickGameButton(ACTION_UNDO_MOVE);
    EXPECT_EQ(square(2, 3), LegalMark);
    EXPECT_EQ(game->sideToMove, Blue);
    EXPECT_TRUE(game->buttons[ACTION_UNDO_MOVE].enabled);
    clickGameButton(ACTION_UNDO_MOVE);
    EXPECT_EQ(game->sideToMove, Red);
    EXPECT_EQ(game->redCount, 2);
    EXPECT_FALSE(game->buttons[ACTION_UNDO_MOVE].enabled);

    game->newGame(OPPONENT_COMPUTER);
    clickSquare(2, 4);
    tick();  // the computer's reply
    ASSERT_EQ(game->history.size(), 2u);
    clickGameButton(ACTION_UNDO_MOVE);
    EXPECT_TRUE(game->history.empty());
    EXPECT_EQ(game->sideToMove, Red);
    EXPECT_EQ(game->board.rows[4], 0x0E40);  // the start position with Red's marks
    EXPECT_FALSE(game->buttons[ACTION_UNDO_MOVE].enabled);
    EXPECT_EQ(game->opponent, OPPONENT_COMPUTER);
}

TEST_F(GameFlow, WhenEveryLineLosesTheComputerStillPlaysItsFirstLegalSquare) {
    // Blue's only move, a1, fills the board and loses: the search finds nothing above its
    // floor. The game must still go on (and here end) instead of searching at every tick.
    game->newGame(OPPONENT_COMPUTER);
    game->board = Board{};
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 8; ++c) setSquare(game->board, c, r, Red);
    }
    setSquare(game->board, 0, 0, SQUARE_EMPTY);
    setSquare(game->board, 2, 0, Blue);
    game->sideToMove = Blue;
    ASSERT_GT(MarkLegalMoves(game->board, Blue), 0);
    CountDisks(*game);
    tick();
    EXPECT_EQ(square(0, 0), Blue);
    EXPECT_EQ(square(1, 0), Blue);
    EXPECT_EQ(game->sideToMove, Red);
    EXPECT_EQ(game->state, STATE_GAME_OVER);
    EXPECT_EQ(game->history.size(), 1u);
}

TEST_F(GameFlow, APressAndReleaseWithinOneTickIsLost) {
    moveTo(44 + 64 * 2 + 32, 44 + 64 * 4 + 32);
    tick();
    press();
    release();
    tick(3);
    EXPECT_EQ(square(2, 4), LegalMark);
    EXPECT_EQ(game->sideToMove, Red);
}

TEST_F(GameFlow, PressAndReleaseOnDifferentElementsDoNothing) {
    const Button& quit = game->buttons[ACTION_QUIT_GAME];
    moveTo(quit.x + 5, quit.y + 5);
    tick();
    press();
    tick();
    moveTo(44 + 64 * 2 + 32, 44 + 64 * 4 + 32);  // onto a legal square
    tick();
    release();
    tick();
    EXPECT_EQ(game->state, STATE_PLAYING);
    EXPECT_EQ(square(2, 4), LegalMark);

    press();
    tick();
    moveTo(quit.x + 5, quit.y + 5);
    tick();
    release();
    tick();
    EXPECT_EQ(game->state, STATE_PLAYING);
    EXPECT_EQ(square(2, 4), LegalMark);
}

TEST_F(GameFlow, ADisabledUndoButtonIsNeverHoveredOrClicked) {
    const Button& undo = game->buttons[ACTION_UNDO_MOVE];
    moveTo(undo.x + 5, undo.y + 5);
    tick();
    EXPECT_EQ(hoverObject, nullptr);
    clickElement(undo);
    EXPECT_EQ(game->state, STATE_PLAYING);
}

TEST_F(GameFlow, CtrlXQuitsAtOnceEvenWithABoxOpen) {
    clickGameButton(ACTION_QUIT_GAME);
    openBox();
    ASSERT_EQ(game->enteredState, STATE_DIALOG);
    key(ALLEGRO_EVENT_KEY_DOWN, ALLEGRO_KEY_RCTRL);
    tick();
    EXPECT_EQ(game->enteredState, STATE_DIALOG);  // Ctrl alone does nothing
    key(ALLEGRO_EVENT_KEY_DOWN, ALLEGRO_KEY_X);
    game->redraw = true;
    tick();
    EXPECT_EQ(game->enteredState, STATE_QUIT);
    EXPECT_FALSE(game->redraw);
}

TEST_F(GameFlow, TheCloseButtonOverTheOpponentChoiceStacksTheQuitQuestion) {
    clickGameButton(ACTION_NEW_GAME);
    openBox();
    answer("Yes");
    openBox();
    ASSERT_EQ(objectListSize(), kGameElements + 4);
    send(ALLEGRO_EVENT_DISPLAY_CLOSE);
    EXPECT_EQ(game->state, STATE_CONFIRM_QUIT);
    openBox();
    EXPECT_EQ(objectListSize(), kGameElements + 7);
    answer("No");
    EXPECT_EQ(objectListSize(), kGameElements + 4);  // only the quit box closed
    EXPECT_EQ(game->state, STATE_PLAYING);
    answer("Computer");
    EXPECT_EQ(game->opponent, OPPONENT_COMPUTER);
    EXPECT_EQ(objectListSize(), kGameElements);
}

// The middle of the frame, where the "Computer is Thinking!" banner is drawn over
// whatever is there.
std::vector<uint32_t> frameMiddle(Game& game) {
    ALLEGRO_BITMAP* frame = al_create_bitmap(800, 600);
    al_set_target_bitmap(frame);
    game.draw();
    std::vector<uint32_t> pixels;
    for (int y = 270; y < 330; ++y) {
        for (int x = 250; x < 550; ++x) {
            unsigned char r, g, b;
            al_unmap_rgb(al_get_pixel(frame, x, y), &r, &g, &b);
            pixels.push_back(static_cast<uint32_t>(r << 16 | g << 8 | b));
        }
    }
    al_destroy_bitmap(frame);
    return pixels;
}

TEST_F(GameFlow, ADeclinedQuitOverTheOpponentChoiceOfAFinishedGameLeavesTheComputerIdle) {
    game->newGame(OPPONENT_COMPUTER);
    setUpLastMove(*game, 0);
    clickSquare(2, 0);  // Blue has no move left: the game is over
    openBox();
    answer("Yes");
    openBox();
    moveTo(0, 0);  // off every button, so that no hover shows
    tick();
    const std::vector<uint32_t> choice = frameMiddle(*game);
    send(ALLEGRO_EVENT_DISPLAY_CLOSE);
    openBox();
    answer("No");
    EXPECT_EQ(game->state, STATE_PLAYING);
    const Board before = game->board;
    tick(3);
    moveTo(0, 0);
    tick();
    EXPECT_EQ(frameMiddle(*game), choice) << "something is drawn over the opponent choice";
    EXPECT_EQ(std::memcmp(&before, &game->board, sizeof before), 0);
    answer("Computer");
    EXPECT_EQ(game->opponent, OPPONENT_COMPUTER);
    EXPECT_EQ(game->redCount, 2);
    EXPECT_EQ(objectListSize(), kGameElements);
}

TEST_F(GameFlow, AQuitDeclinedAfterTheLastMoveStillAnnouncesTheWinner) {
    setUpLastMove(*game, 0);
    clickSquare(2, 0);
    send(ALLEGRO_EVENT_DISPLAY_CLOSE);  // before the tick that would announce the winner
    openBox();
    answer("No");
    EXPECT_EQ(game->state, STATE_GAME_OVER);
    openBox();
    auto* box = static_cast<dMessageBox*>(objectAt(kGameElements));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->lines[2], "Red is the winner!");
    answer("No");
    EXPECT_EQ(game->state, STATE_QUIT);
}

TEST_F(GameFlow, QuitYesEndsTheProgramAndNoKeepsItRunning) {
    send(ALLEGRO_EVENT_DISPLAY_CLOSE);
    openBox();
    answer("No");
    tick();
    EXPECT_EQ(game->enteredState, STATE_PLAYING);
    clickGameButton(ACTION_QUIT_GAME);
    openBox();
    answer("Yes");
    tick();
    EXPECT_EQ(game->enteredState, STATE_QUIT);
    EXPECT_EQ(objectListSize(), kGameElements);
}

TEST_F(GameFlow, ARequestedBoxIsFirstDrawnAfterTheThirdTick) {
    clickGameButton(ACTION_NEW_GAME);
    game->redraw = false;  // the frame after the click has been drawn
    tick();                // builds the box
    EXPECT_FALSE(game->redraw);
    EXPECT_EQ(objectListSize(), kGameElements + 3);
    tick();  // enters STATE_DIALOG
    EXPECT_FALSE(game->redraw);
    tick();
    EXPECT_TRUE(game->redraw);
}

TEST_F(GameFlow, WhileABoxIsOpenTheBoardIgnoresClicksAndTheArrowKeepsSwinging) {
    clickGameButton(ACTION_NEW_GAME);
    openBox();
    const int32_t arrowX = game->turnArrow.x;
    clickSquare(2, 4);
    EXPECT_EQ(square(2, 4), LegalMark);
    EXPECT_NE(game->turnArrow.x, arrowX);
}

TEST_F(GameFlow, MousePositionsAreScaledToTheScreenAndAZeroSizeKeepsTheFactors) {
    input.setWindowSize(1600, 1200);
    moveTo(300, 300);
    EXPECT_EQ(input.mouseX, 150);
    EXPECT_EQ(input.mouseY, 150);
    input.setWindowSize(0, 600);
    input.setWindowSize(400, 0);
    moveTo(200, 200);
    EXPECT_EQ(input.mouseX, 100);
    EXPECT_EQ(input.mouseY, 100);
    input.setWindowSize(400, 600);
    moveTo(100, 51);
    EXPECT_EQ(input.mouseX, 200);
    EXPECT_EQ(input.mouseY, 51);
    mouse(ALLEGRO_EVENT_MOUSE_BUTTON_DOWN, 10, 10, 9);  // no such button: ignored
    EXPECT_EQ(input.mouseX, 20);
}

TEST_F(GameFlow, TheArrowJumpsToTheSideToMoveAndSwingsEightPixelsEachWay) {
    tick();
    const int32_t redPlace = game->turnArrow.x + 2;  // setup and this tick each stepped left
    for (int i = 0; i < 6; ++i) tick();
    EXPECT_EQ(game->turnArrow.x, redPlace - 8);
    tick(8);
    EXPECT_EQ(game->turnArrow.x, redPlace);
    clickSquare(2, 4);  // the arrow moves before the move in a tick: still at Red's side
    EXPECT_EQ(game->turnArrow.side, Red);
    tick();
    EXPECT_EQ(game->turnArrow.side, Blue);
    EXPECT_GT(game->turnArrow.x, redPlace + 300);
}

}  // namespace
