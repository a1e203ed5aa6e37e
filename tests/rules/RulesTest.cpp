#include "rules/Rules.h"

#include <random>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "rules/ComputerPlayer.h"
#include "rules/ObjectCounters.h"
#include "rules/Position.h"
#include "tests/support/RulesModel.h"

namespace {

std::string entry(int column, int row, int before, int after) {
    return {
        char('a' + column), char('1' + row), ':', char('0' + before), '>', char('0' + after), ' '};
}

// The (square, line) pairs in which `side` can flip.
int flippingPairs(const RulesModel& model, int side) {
    int pairs = 0;
    for (int square = 0; square < 64; ++square)
        pairs += model.flippingLines(square % 8, square / 8, side);
    return pairs;
}

}  // namespace

// Every rule operation held against the model at every position of seeded random games, with
// undos of one or two records in between; the perft and bench fingerprints of tests/data
// check the search through the tool.
TEST(Rules, AgreeWithTheModelThroughRandomGamesAndUndos) {
    std::mt19937 random(7);
    const uint32_t alive = objectsCreated - objectsFreed;
    int undos = 0, stuckWhileTheOtherCouldMove = 0, fullBoards = 0;
    for (int game = 0; game < 150; ++game) {
        Position position;
        ResetBoard(position, Red);
        position.sideToMove = Red;
        RulesModel model = RulesModel::start();
        std::vector<RulesModel> earlier;  // the model before each recorded move
        for (int step = 0;; ++step) {
            SCOPED_TRACE("game " + std::to_string(game) + " step " + std::to_string(step));
            const int side = earlier.size() % 2 ? Blue : Red;  // there is no passing
            ASSERT_EQ(position.sideToMove, side);
            ASSERT_EQ(model.differenceFrom(position.board, side), "");
            ASSERT_EQ(std::tuple(position.redCount, position.blueCount),
                      std::tuple(model.count(Red), model.count(Blue)));
            const std::vector<Move> legal = model.legalSquares(side);
            const CandidateMoves candidates = CollectMoves(position.board);
            ASSERT_EQ(std::vector<Move>(candidates.moves, candidates.moves + candidates.count),
                      legal);
            for (const int s : {Red, Blue}) {
                for (int square = 0; square < 64 * 8; ++square)
                    ASSERT_EQ(FlipsInDirection(position.board, square / 64, square % 8,
                                               square / 8 % 8, s),
                              model.enclosed(square % 8, square / 8 % 8, s, square / 64) > 0);
                Board marked = position.board;
                ASSERT_EQ(MarkLegalMoves(marked, s), flippingPairs(model, s));
                ASSERT_EQ(model.differenceFrom(marked, s), "");
                ASSERT_EQ(Evaluate(marked, s), model.evaluate(s));
            }
            if (legal.empty()) {  // the game is over
                ASSERT_EQ(Winner(position), model.winner());
                stuckWhileTheOtherCouldMove += !model.legalSquares(3 - side).empty();
                fullBoards += model.count(Red) + model.count(Blue) == 64;
                break;
            }
            if (!earlier.empty() && random() % 6 == 0) {
                const std::size_t kept =
                    earlier.size() - std::min<std::size_t>(1 + random() % 2, earlier.size());
                ASSERT_EQ(UndoMoves(position, int(earlier.size() - kept)), kept == 0);
                ASSERT_EQ(position.history.size(), kept);
                model = earlier[kept];
                earlier.resize(kept);
                ++undos;
                continue;
            }
            const Move move = legal[random() % legal.size()];
            std::string expected;
            for (const Move& turned : model.flips(move.column, move.row, side))
                expected += entry(turned.column, turned.row, 3 - side, side);
            expected += entry(move.column, move.row, LegalMark, side);
            MoveList* record = BuildMoveList(position.board, move.column, move.row, side);
            std::string entries;
            for (const SquareChange* c : *record)
                entries += entry(c->column, c->row, c->before, c->after);
            ASSERT_EQ(entries, expected);
            ++objectsFreed;
            delete record;

            RulesModel after = model;
            after.play(move.column, move.row, side);
            Board searched = position.board;
            ASSERT_EQ(MakeSearchMove(searched, move.column, move.row, side),
                      flippingPairs(after, 3 - side));
            ASSERT_EQ(after.differenceFrom(searched, 3 - side), "");
            const PlayResult result = PlayMove(position, move.column, move.row);
            ASSERT_TRUE(result.recorded);
            ASSERT_EQ(result.gameOver, after.legalSquares(3 - side).empty());
            earlier.push_back(model);
            model = after;
        }
    }
    EXPECT_EQ(objectsCreated - objectsFreed, alive) << "every record must be freed";
    EXPECT_GT(undos, 100);
    EXPECT_GT(stuckWhileTheOtherCouldMove, 0);
    EXPECT_GT(fullBoards, 0);
}
