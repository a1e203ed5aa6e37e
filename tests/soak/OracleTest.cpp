#include <gtest/gtest.h>

#include "tools/soak/Oracle.h"

using namespace oracle;

namespace {

uint64_t squares(std::initializer_list<const char*> names) {
    uint64_t mask = 0;
    for (const char* name : names) mask |= bitOf(name[0] - 'a', name[1] - '1');
    return mask;
}

}  // namespace

TEST(SoakOracle, TheStartHasTheFourCentreDisksAndRedsFourMarks) {
    uint16_t rows[8];
    startPosition(rows);
    EXPECT_EQ(squaresHolding(rows, RED), squares({"d4", "e5"}));
    EXPECT_EQ(squaresHolding(rows, BLUE), squares({"e4", "d5"}));
    EXPECT_EQ(squaresHolding(rows, MARK), squares({"e3", "f4", "c5", "d6"}));
    EXPECT_EQ(legalSquares(rows, RED), squaresHolding(rows, MARK));
    EXPECT_EQ(flipsOf(rows, 2, 4, RED), squares({"d5"}));
    EXPECT_EQ(flipsOf(rows, 3, 3, RED), 0u) << "an occupied square flips nothing";
}

TEST(SoakOracle, AMoveFlipsEveryEnclosedLineAndNothingOpenToTheEdge) {
    uint16_t rows[8] = {};
    // Red plays a1: b1-c1 closed by d1, b2 closed by c3; a2-a8 are Blue up to the edge.
    putSquare(rows, 1, 0, BLUE);
    putSquare(rows, 2, 0, BLUE);
    putSquare(rows, 3, 0, RED);
    putSquare(rows, 1, 1, BLUE);
    putSquare(rows, 2, 2, RED);
    for (int row = 1; row < 8; ++row) putSquare(rows, 0, row, BLUE);
    EXPECT_EQ(flipsOf(rows, 0, 0, RED), squares({"b1", "c1", "b2"}));
    EXPECT_EQ(flipsOf(rows, 0, 0, BLUE), 0u);
    EXPECT_EQ(countOf(rows, BLUE), 10);
}
