#include "rules/Rules.h"

#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/ObjectCounters.h"
#include "rules/ComputerPlayer.h"
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

// Every operation on a board held against the model at every position of seeded random games
// (what a Position does with them is held to the model through the Game by RandomPlay).
TEST(Rules, AgreeWithTheModelThroughRandomGames) {
    std::mt19937 random(7);
    const uint32_t alive = objectsCreated - objectsFreed;
    for (int game = 0; game < 150; ++game) {
        RulesModel model = RulesModel::start();
        for (int side = Red, step = 0;;
             side = RulesModel::opponent(side), ++step) {  // there is no passing
            SCOPED_TRACE("game " + std::to_string(game) + " step " + std::to_string(step));
            const Board board = model.board(side);
            const std::vector<Move> legal = model.legalSquares(side);
            const CandidateMoves candidates = CollectMoves(board);
            ASSERT_EQ(std::vector<Move>(candidates.moves, candidates.moves + candidates.count),
                      legal);
            for (const int s : {Red, Blue}) {
                for (int square = 0; square < 64 * 8; ++square)
                    ASSERT_EQ(FlipsInDirection(board, square / 64, square % 8, square / 8 % 8, s),
                              model.enclosed(square % 8, square / 8 % 8, s, square / 64) > 0);
                Board marked = board;
                ASSERT_EQ(MarkLegalMoves(marked, s), flippingPairs(model, s));
                ASSERT_EQ(model.differenceFrom(marked, s), "");
                ASSERT_EQ(Evaluate(marked, s), model.evaluate(s));
            }
            if (legal.empty()) break;  // the game is over

            const Move move = legal[random() % legal.size()];
            std::string expected;
            for (const Move& turned : model.flips(move.column, move.row, side))
                expected += entry(turned.column, turned.row, RulesModel::opponent(side), side);
            expected += entry(move.column, move.row, LegalMark, side);
            MoveList* record = BuildMoveList(board, move.column, move.row, side);
            std::string entries;
            for (const SquareChange* c : *record)
                entries += entry(c->column, c->row, c->before, c->after);
            ASSERT_EQ(entries, expected);
            ++objectsFreed;
            delete record;

            model.play(move.column, move.row, side);
            Board searched = board;
            ASSERT_EQ(MakeSearchMove(searched, move.column, move.row, side),
                      flippingPairs(model, RulesModel::opponent(side)));
            ASSERT_EQ(model.differenceFrom(searched, RulesModel::opponent(side)), "");
        }
    }
    EXPECT_EQ(objectsCreated - objectsFreed, alive) << "every record must be freed";
}
