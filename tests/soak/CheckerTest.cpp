#include <gtest/gtest.h>

#include "rules/ObjectCounters.h"
#include "rules/Rules.h"
#include "screen/Game.h"
#include "screen/Input.h"
#include "screen/ObjectList.h"
#include "tools/soak/Oracle.h"
#include "tools/soak/SoakChecker.h"

namespace {

// A Game driven as the soak drives it, every tick judged by a SoakChecker; the tests break
// the Game in the ways a faulty rule or flow would and expect the checker to say so.
class SoakCheck : public ::testing::Test {
protected:
    void SetUp() override {
        input = Input{};
        hoverObject = pressedObject = nullptr;
        wasPressed = false;
        checker = new SoakChecker(objectsCreated - objectsFreed);
        game = new Game(nullptr);
        game->setup();
        ASSERT_TRUE(checker->beginSession(*game)) << checker->failure();
    }

    void TearDown() override {
        for (int i = 0; i < 8; ++i) popLayer();
        delete game;
        clearObjects();
        delete checker;
    }

    bool tick(const TickIntent& intent = TickIntent{}) {
        const GameView before = GameView::of(*game);
        ALLEGRO_EVENT event{};
        event.type = ALLEGRO_EVENT_TIMER;
        game->handleEvent(event);
        return checker->afterTick(before, *game, intent);
    }
    void mouse(ALLEGRO_EVENT_TYPE type, int x, int y) {
        ALLEGRO_EVENT event{};
        event.type = type;
        event.mouse.x = x;
        event.mouse.y = y;
        event.mouse.button = 1;
        game->handleEvent(event);
    }
    bool click(TickIntent::Target target, int cell, int x, int y) {
        mouse(ALLEGRO_EVENT_MOUSE_AXES, x, y);
        TickIntent press;
        press.press = target;
        press.cell = cell;
        TickIntent release;
        release.release = target;
        release.cell = cell;
        if (!tick()) return false;
        mouse(ALLEGRO_EVENT_MOUSE_BUTTON_DOWN, x, y);
        if (!tick(press)) return false;
        mouse(ALLEGRO_EVENT_MOUSE_BUTTON_UP, x, y);
        return tick(release);
    }
    bool clickSquare(int column, int row) {
        return click(TickIntent::CELL, 8 * row + column, 44 + 64 * column + 32, 44 + 64 * row + 32);
    }
    bool clickButton(TickIntent::Target target, int index) {
        const Button& button = game->buttons[index];
        return click(target, -1, button.x + button.width / 2, button.y + button.height / 2);
    }

    SoakChecker* checker = nullptr;
    Game* game = nullptr;
};

TEST_F(SoakCheck, PassesMovesAndAnUndoThatFollowTheRules) {
    EXPECT_TRUE(clickSquare(2, 4)) << checker->failure();
    EXPECT_TRUE(clickSquare(2, 3)) << checker->failure();
    EXPECT_TRUE(clickButton(TickIntent::UNDO, ACTION_UNDO_MOVE)) << checker->failure();
    EXPECT_TRUE(clickButton(TickIntent::NEW_GAME, ACTION_NEW_GAME)) << checker->failure();
    EXPECT_TRUE(tick() && tick()) << checker->failure();
    EXPECT_EQ(checker->openBoxes().size(), 1u);
    EXPECT_EQ(checker->moves, 2u);
    EXPECT_EQ(checker->undoneMoves, 1u);
}

TEST_F(SoakCheck, CatchesAMarkOnASquareWhereTheSideCannotPlay) {
    oracle::putSquare(game->board.rows, 0, 0, oracle::MARK);
    EXPECT_FALSE(tick());
    EXPECT_NE(checker->failure().find("marks a1 e3 f4 c5 d6 but the legal squares are e3 f4 c5 d6"),
              std::string::npos)
        << checker->failure();
}

TEST_F(SoakCheck, CatchesALegalSquareLeftUnmarked) {
    oracle::putSquare(game->board.rows, 2, 4, oracle::EMPTY);
    EXPECT_FALSE(tick());
    EXPECT_NE(checker->failure().find("marks"), std::string::npos) << checker->failure();
}

TEST_F(SoakCheck, CatchesCountsThatDisagreeWithTheBoard) {
    game->redCount = 3;
    EXPECT_FALSE(tick());
    EXPECT_NE(checker->failure().find("counts 3/2 but the board holds 2/2"), std::string::npos)
        << checker->failure();
}

TEST_F(SoakCheck, CatchesAnUndoThatRestoresAnotherPosition) {
    ASSERT_TRUE(clickSquare(2, 4)) << checker->failure();
    // Swap Red's record for one of the same size that restores nothing: Blue on c4,
    // turning d4, built on the position after Red's move.
    UndoObject* real = game->history.PopRecord();
    ++objectsFreed;
    delete real;
    game->history.PushRecord(BuildMoveList(game->board, 2, 3, Blue));
    EXPECT_FALSE(clickButton(TickIntent::UNDO, ACTION_UNDO_MOVE));
    EXPECT_NE(checker->failure().find("undo gave"), std::string::npos) << checker->failure();
}

TEST_F(SoakCheck, CatchesAMoveThatTurnsADiskItDoesNotEnclose) {
    ASSERT_TRUE(clickSquare(2, 4)) << checker->failure();
    const GameView before = GameView::of(*game);
    // Blue plays c4 as the rules say, and the Game also turns the Red disk on c5; the
    // checker judges the change as one tick.
    PlayMove(*game, 2, 3);
    oracle::putSquare(game->board.rows, 2, 4, oracle::BLUE);
    CountDisks(*game);
    EXPECT_FALSE(checker->afterTick(before, *game, TickIntent{}));
    EXPECT_NE(checker->failure().find("move c4 left c5 wrong"), std::string::npos)
        << checker->failure();
}

TEST_F(SoakCheck, CatchesABoxLeftOpenWhileTheGameIsPlaying) {
    ASSERT_TRUE(clickButton(TickIntent::NEW_GAME, ACTION_NEW_GAME)) << checker->failure();
    ASSERT_TRUE(tick() && tick()) << checker->failure();
    game->state = STATE_PLAYING;  // as if "No" forgot to close the box
    EXPECT_FALSE(tick());
    EXPECT_NE(checker->failure().find("a box is open while the game is playing"), std::string::npos)
        << checker->failure();
}

TEST_F(SoakCheck, CatchesAnObjectThatIsNeitherAliveNorFreed) {
    ASSERT_TRUE(clickSquare(2, 4)) << checker->failure();
    ++objectsCreated;
    EXPECT_FALSE(tick());
    EXPECT_NE(checker->failure().find("created - freed"), std::string::npos) << checker->failure();
    --objectsCreated;
}

}  // namespace
