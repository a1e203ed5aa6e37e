#include <gtest/gtest.h>

#include "tools/soak/SoakRun.h"

namespace {

SoakOptions smallSoak() {
    SoakOptions options;
    options.games = 25;
    options.seed = 9;
    options.computerMoves = 2;
    return options;
}

TEST(SoakRun, TheSameSeedPlaysTheSameGames) {
    const SoakResult first = runSoak(smallSoak());
    const SoakResult second = runSoak(smallSoak());
    ASSERT_TRUE(first.ok) << first.failure;
    ASSERT_TRUE(second.ok) << second.failure;
    EXPECT_EQ(first.games, 25u);
    EXPECT_EQ(first.ticks, second.ticks);
    EXPECT_EQ(first.moves, second.moves);
    EXPECT_EQ(first.undone, second.undone);
    EXPECT_EQ(first.boxes, second.boxes);
    EXPECT_GT(first.moves, 0u);
}

TEST(SoakRun, ADiskTheRulesNeverPlacedStopsTheSoakWithItsSeed) {
    SoakOptions options = smallSoak();
    options.corruptAtTick = 300;
    const SoakResult result = runSoak(options);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failure.rfind("seed=9 game=", 0), 0u) << result.failure;
    EXPECT_NE(result.failure.find(" tick=301: "), std::string::npos) << result.failure;
}

}  // namespace
