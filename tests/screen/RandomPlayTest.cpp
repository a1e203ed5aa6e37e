#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "base/ObjectCounters.h"
#include "tests/screen/GameFixture.h"
#include "tests/support/RulesModel.h"

namespace {

// Seeded random play through the real Game with synthetic events (clicks on squares, buttons
// and boxes, close requests) in sessions from set-up to quit, the Game held to its promises
// after every tick, judged with the rules model. TILECREST_RANDOM_GAMES (default 1000) sets
// the number of games, TILECREST_RANDOM_SEED (default 1) the seed.
class RandomPlay : public GameFixture {
protected:
    struct Seen {
        Board board;
        uint8_t side;
        int32_t state, entered, arrowX;
        std::size_t records, layers;
    };
    Seen now() const {
        return {game->board,       game->sideToMove,     game->state, game->enteredState,
                game->turnArrow.x, game->history.size(), layerDepth()};
    }
    // Counts are left out: they are held to the board at every tick.
    static bool samePosition(const Seen& a, const Seen& b) {
        return !std::memcmp(&a.board, &b.board, sizeof(Board)) && a.side == b.side;
    }
    void expect(bool kept, const std::string& promise) {
        if (!kept && failure.empty()) failure = promise;
    }

    void beforeTick() override {
        game->redraw = false;  // as the main loop draws the frame between ticks
        last = now();
        // A box button pressed at an earlier tick and released over itself is clicked now. The
        // tick reads the input as beginTick leaves it (a release held back goes then).
        const Input events = input;
        input.beginTick();
        Object* under = objectUnderMouse();
        const bool click = wasPressed && !input.mouseButtons[1] && under == pressedObject;
        input = events;
        const bool boxButton = under && under->kind == KIND_BUTTON && layerDepth() > 0;
        answer = click && boxButton ? static_cast<Button*>(under)->label : "";
    }

    void afterTick() override {
        const RulesModel model = RulesModel::of(game->board);
        const Seen seen = now();
        expect(model.differenceFrom(game->board, seen.side).empty(),
               "the marks are the legal squares of the side to move");
        expect(game->redCount == model.count(Red) && game->blueCount == model.count(Blue),
               "the counts match the board");
        if ((answer == "Human" || answer == "Computer") && seen.layers < last.layers) {
            expect(!seen.records && RulesModel::start().differenceFrom(game->board, Red).empty() &&
                       game->opponent == (answer == "Human" ? OPPONENT_HUMAN : OPPONENT_COMPUTER),
                   "a new game starts at the start against the opponent chosen");
            nextGame();
        } else if (seen.records > last.records) {
            checkMove();
        } else if (seen.records < last.records) {
            const std::size_t taken = game->opponent == OPPONENT_HUMAN ? 1 : 2;
            expect(seen.records == last.records - std::min(taken, last.records) &&
                       samePosition(earlier[seen.records], seen),
                   "undo restores the position before one move, two against the computer");
            earlier.resize(seen.records);
        }
        expect(game->buttons[ACTION_UNDO_MOVE].enabled == (seen.records > 0),
               "\"Undo Move\" is enabled exactly while there are moves to take back");
        expect(last.state == last.entered || (!game->redraw && seen.arrowX == last.arrowX),
               "a tick that enters a state does nothing else");
    }

    // The record added at this tick: the one legal square of the side that was to move that
    // now holds a disk, played in the model.
    void checkMove() {
        RulesModel model = RulesModel::of(last.board);
        std::vector<Move> played;
        for (const Move& square : model.legalSquares(last.side))
            if (squareAt(game->board, square.column, square.row) % 3) played.push_back(square);
        if (played.size() == 1) model.play(played[0].column, played[0].row, last.side);
        const int next = RulesModel::opponent(last.side);
        expect(played.size() == 1 && game->sideToMove == next &&
                   model.differenceFrom(game->board, next).empty(),
               "a move plays a legal square, turns exactly the enclosed disks and passes the turn");
        expect(!model.legalSquares(next).empty() || game->state == STATE_GAME_OVER,
               "the game ends when the side to move cannot move");
        computerMoves += last.side == Blue && game->opponent == OPPONENT_COMPUTER;
        earlier.push_back(last);
    }

    void nextGame() {
        earlier.clear();
        computerMoves = 0;
        ++games;
    }

    // One random action of a person in front of the game.
    void act(std::mt19937& random) {
        const int roll = random() % 100;
        const std::vector<Object*> box = topBox();
        const bool wrapUp = computerMoves >= 3;  // the search is slow in the middle game
        if (!box.empty() && roll < 85)           // wrapping up: Yes, or Human or Computer
            return clickElement(*box[1 + random() % (wrapUp ? 2 : box.size() - 1)]);
        if (box.empty() && game->opponent == OPPONENT_COMPUTER && game->sideToMove == Blue &&
            roll < 90)
            return tick();  // the computer's turn
        if (box.empty() && wrapUp) return clickGameButton(ACTION_NEW_GAME);
        const std::vector<Move> legal = RulesModel::of(game->board).legalSquares(game->sideToMove);
        const bool calm = games % 2;  // every other game is played to its end
        if (roll < (calm ? 88 : 65) && !legal.empty()) {
            const Move move = legal[random() % legal.size()];
            return clickSquare(move.column, move.row);
        }
        if (roll < 72 || calm)
            return roll % 2 ? clickGameButton(ACTION_UNDO_MOVE)
                            : clickSquare(random() % 8, random() % 8);
        if (roll < 80) return clickGameButton(ACTION_NEW_GAME);
        if (roll < 86) send(ALLEGRO_EVENT_DISPLAY_CLOSE);
        if (roll >= 95) return clickGameButton(ACTION_QUIT_GAME);
        for (int i = 0; i < 2; ++i) {  // pressed at one random place and released at another
            const int x = random() % LAYOUT_SCREEN_WIDTH;
            const int y = random() % LAYOUT_SCREEN_HEIGHT;
            moveTo(x, y);
            tick();
            i == 0 ? press() : release();
            tick();
        }
    }

    Seen last{};
    std::vector<Seen> earlier;  // before each recorded move
    std::string answer;         // the box button this tick clicks
    std::string failure;
    int computerMoves = 0, games = 0;
};

}  // namespace

TEST_F(RandomPlay, KeepsEveryPromiseAfterEveryTick) {
    endGame();
    const uint32_t resources = objectsCreated - objectsFreed;
    const char* seedText = std::getenv("TILECREST_RANDOM_SEED");
    const char* gamesText = std::getenv("TILECREST_RANDOM_GAMES");
    const int seed = seedText ? std::atoi(seedText) : 1,
              wanted = gamesText ? std::atoi(gamesText) : 1000;
    std::mt19937 random(seed);
    startGame();
    nextGame();
    for (int step = 0; games <= wanted; ++step) {
        act(random);
        ASSERT_EQ(failure, "") << "seed " << seed << " step " << step;
        if (game->enteredState == STATE_QUIT) {
            endGame();
            ASSERT_EQ(objectsCreated - objectsFreed, resources)
                << "seed " << seed << " step " << step;
            startGame();
            nextGame();
        }
    }
}
