#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "tests/screen/GameFixture.h"
#include "tests/support/RulesModel.h"

using GameFlow = GameFixture;
using Elements = GameFixture;
using Lines = std::vector<std::string>;

TEST_F(GameFlow, NoOrCancelKeepsTheOldGameAndItsOpponentAndYesToTheCloseButtonQuits) {
    clickSquare(2, 4);
    const Board before = game->board;
    clickGameButton(ACTION_NEW_GAME);
    openBox();
    EXPECT_EQ(topBoxLines(),
              (Lines{"Are you sure that you want to stop", "this game and start another?"}));
    answer("No");
    clickGameButton(ACTION_NEW_GAME);
    answerBoxes({"Yes"});
    openBox();
    EXPECT_EQ(topBoxLines(), Lines{"Please choose your opponent!"});
    answer("Cancel");
    tick();
    EXPECT_EQ(std::memcmp(&game->board, &before, sizeof before), 0);
    EXPECT_EQ(game->opponent, OPPONENT_HUMAN);
    EXPECT_EQ(game->history.size(), 1u);
    EXPECT_EQ(layerDepth(), 0u);
    send(ALLEGRO_EVENT_DISPLAY_CLOSE);
    openBox();
    EXPECT_EQ(topBoxLines(), Lines{"Are you sure that you want to quit the application?"});
    answer("No");
    tick();
    EXPECT_EQ(game->enteredState, STATE_PLAYING);
    send(ALLEGRO_EVENT_DISPLAY_CLOSE);
    answerBoxes({"Yes"});
    tick();
    EXPECT_EQ(game->enteredState, STATE_QUIT);
}

TEST_F(GameFlow, TheLastMoveAnnouncesTheWinnerEvenAfterADeclinedQuitAndItsAnswersEndTheProgram) {
    const struct {
        int blueTail;
        const char* winner;
        Lines before, after;
    } cases[] = {{0, "Red", {}, {"Yes", "Cancel"}},  // another game? then no opponent
                 {3, "Blue", {}, {"No"}},            // a tie goes to Blue
                 {0, "Red", {"No"}, {"No"}}};        // closing the window first
    for (const auto& c : cases) {
        endGame();
        startGame();
        setUpLastMove(c.blueTail);
        clickSquare(2, 0);
        if (!c.before.empty()) send(ALLEGRO_EVENT_DISPLAY_CLOSE);
        answerBoxes(c.before);
        openBox();
        EXPECT_EQ(topBoxLines(),
                  (Lines{"Congratulations!", "", c.winner + std::string(" is the winner!"), "",
                         "Would you like to play another game?"}));
        answer(c.after[0]);
        answerBoxes(Lines(c.after.begin() + 1, c.after.end()));
        if (game->enteredState != STATE_QUIT) tick();
        EXPECT_EQ(game->enteredState, STATE_QUIT) << c.winner;
    }
}

TEST_F(GameFlow, WhileABoxIsOpenTheBoardIgnoresClicksTheComputerWaitsAndOnlyCtrlXQuitsAtOnce) {
    clickGameButton(ACTION_NEW_GAME);
    openBox();
    const int32_t arrowX = game->turnArrow.x;
    clickSquare(2, 4);
    EXPECT_EQ(squareAt(game->board, 2, 4), LegalMark);
    EXPECT_NE(game->turnArrow.x, arrowX) << "the arrow keeps swinging";
    answer("No");
    game->newGame(OPPONENT_COMPUTER);
    clickSquare(2, 4);
    send(ALLEGRO_EVENT_DISPLAY_CLOSE);  // before the tick of the computer's reply
    openBox();
    tick(5);
    EXPECT_EQ(game->sideToMove, Blue);
    answer("No");
    tick(2);
    EXPECT_EQ(game->sideToMove, Red) << "the computer moves once the box is closed";
    clickGameButton(ACTION_QUIT_GAME);
    openBox();
    send(ALLEGRO_EVENT_KEY_DOWN, ALLEGRO_KEY_RCTRL);
    tick();
    EXPECT_EQ(game->enteredState, STATE_DIALOG) << "Ctrl alone does nothing";
    send(ALLEGRO_EVENT_KEY_DOWN, ALLEGRO_KEY_X);
    tick();
    EXPECT_EQ(game->enteredState, STATE_QUIT);
}

// A press and its release that both arrive between two ticks (a fast click, a tap, a burst
// replayed by a remote desktop): the next tick sees the press where it was made, the tick after
// sees the release, so it clicks only on the element it was pressed on. Keys likewise.
TEST_F(GameFlow, APressAndReleaseBetweenTwoTicksAreSeenByTheNextTwo) {
    const auto cell = [this]() -> Object* { return &game->cells[8 * 4 + 2]; };  // c5, Red's move
    const auto quit = [this]() -> Object* { return &game->buttons[ACTION_QUIT_GAME]; };
    const auto no = [] { return topBox().back(); };  // of the quit box
    const struct {
        int32_t request;  // a box asked for first
        std::function<Object*()> pressed, released;
        std::function<bool()> acted;
        bool again = false;  // pressed once more before a tick: held down, no click yet
    } cases[] = {
        {STATE_PLAYING, cell, quit,
         [this] { return game->history.size() || game->state != STATE_PLAYING; }},
        {STATE_PLAYING, cell, cell, [this] { return game->history.size() == 1; }},
        {STATE_PLAYING, quit, quit, [this] { return game->state == STATE_CONFIRM_QUIT; }},
        {STATE_CONFIRM_QUIT, no, no, [] { return layerDepth() == 0; }},
        {STATE_PLAYING, quit, quit, [this] { return game->state != STATE_PLAYING; }, true}};
    for (const auto& c : cases) {
        game->state = c.request;
        openBox();
        const Object *from = c.pressed(), *to = c.released();
        moveTo(from->x + from->width / 2, from->y + from->height / 2);
        tick();
        press();
        moveTo(to->x + to->width / 2, to->y + to->height / 2);
        release();
        if (c.again) press();
        tick();
        EXPECT_FALSE(c.acted()) << &c - cases << ": the tick that sees the press";
        tick();
        EXPECT_EQ(c.acted(), from == to && !c.again) << &c - cases;
    }
    tick();  // back in the game after the box
    // Ctrl+X as a tool types it: Ctrl is let go first, and a tick may fall between the presses.
    send(ALLEGRO_EVENT_KEY_DOWN, ALLEGRO_KEY_LCTRL);
    tick();
    send(ALLEGRO_EVENT_KEY_DOWN, ALLEGRO_KEY_X);
    send(ALLEGRO_EVENT_KEY_UP, ALLEGRO_KEY_LCTRL);
    send(ALLEGRO_EVENT_KEY_UP, ALLEGRO_KEY_X);
    tick();
    EXPECT_EQ(game->enteredState, STATE_QUIT) << "Ctrl+X typed in one burst";
}

TEST_F(Elements, HoldTheirLeftAndTopEdgesSquaresOnlyWhileMarkedAndAreNeverHoveredDisabled) {
    const Button& undo = game->buttons[ACTION_UNDO_MOVE];  // disabled until a move
    moveTo(undo.x, undo.y);
    tick();
    EXPECT_EQ(hoverObject, nullptr) << "a disabled button is never hovered";
    game->board = Board{};
    setSquare(game->board, 0, 0, LegalMark);
    const Object* const a1 = &game->cells[0];
    const Button& newGame = game->buttons[ACTION_NEW_GAME];
    const int right = newGame.x + newGame.width;
    const int left = LAYOUT_BOARD_LEFT, top = LAYOUT_BOARD_TOP, next = left + LAYOUT_SQUARE_SIZE;
    for (const auto& [x, y, found] : {std::tuple{left, top, a1},
                                      {next - 1, next - 1, a1},
                                      {next, top, nullptr},
                                      {left, next, nullptr},
                                      {left - 1, top + 6, nullptr},
                                      {right - 1, newGame.y, &newGame},
                                      {right, newGame.y, nullptr}}) {
        moveTo(x, y);
        EXPECT_EQ(objectUnderMouse(), found) << x << "," << y;
    }
    setSquare(game->board, 0, 0, Red);
    moveTo(left + 6, top + 6);
    EXPECT_EQ(objectUnderMouse(), nullptr) << "a disk is never found";
}

TEST_F(GameFlow, MousePositionsAreScaledToTheScreenAndAZeroSizeKeepsTheFactors) {
    const int sizes[][4] = {
        {1600, 1200, 200, 200}, {0, 600, 300, 301}, {400, 0, 300, 301}, {400, 600, 100, 51}};
    const std::pair<int, int> expected[] = {{100, 100}, {150, 150}, {150, 150}, {200, 51}};
    for (int i = 0; i < 4; ++i) {
        input.setWindowSize(sizes[i][0], sizes[i][1]);
        moveTo(sizes[i][2], sizes[i][3]);
        EXPECT_EQ(std::pair(input.mouseX, input.mouseY), expected[i]) << i;
    }
}

TEST_F(GameFlow, WhenEveryLineLosesTheComputerStillPlaysItsFirstLegalSquare) {
    // Blue's only move, a1, fills the board and loses: the search finds nothing above its floor.
    game->newGame(OPPONENT_COMPUTER);
    const std::string red(8, 'R');
    game->board = RulesModel::picture({".RBRRRRR", red, red, red, red, red, red, red}).board(Blue);
    game->sideToMove = Blue;
    tick();
    EXPECT_EQ(squareAt(game->board, 0, 0), Blue);
    EXPECT_EQ(game->state, STATE_GAME_OVER);
}
