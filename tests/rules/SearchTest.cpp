#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "rules/ComputerPlayer.h"
#include "rules/Rules.h"
#include "rules/SearchKernel.h"
#include "tests/support/RulesModel.h"

// The build chosen for processors of each kind: pext only where it is fast.
TEST(SearchKernel, ChosenByVendorFamilyAndFeatures) {
    const uint32_t avx2 = PROCESSOR_AVX2 | PROCESSOR_BMI | PROCESSOR_LZCNT | PROCESSOR_POPCNT;
    const uint32_t bmi2 = avx2 | PROCESSOR_BMI2, avx512 = bmi2 | PROCESSOR_AVX512;
    const struct {
        const char* what;
        Processor processor;
        SearchKernel expected;
    } cases[] = {
        {"Zen 1", {"AuthenticAMD", 23, 1, bmi2}, SEARCH_KERNEL_AVX2},
        {"Hygon Dhyana", {"HygonGenuine", 24, 0, bmi2}, SEARCH_KERNEL_AVX2},
        {"AVX-512 with slow pext", {"AuthenticAMD", 23, 1, avx512}, SEARCH_KERNEL_AVX2},
        {"Zen 3", {"AuthenticAMD", 25, 33, bmi2}, SEARCH_KERNEL_BMI2},
        {"Zen 5", {"AuthenticAMD", 26, 2, avx512}, SEARCH_KERNEL_AVX512},
        {"Haswell", {"GenuineIntel", 6, 60, bmi2}, SEARCH_KERNEL_BMI2},
        {"Sandy Bridge", {"GenuineIntel", 6, 42, PROCESSOR_POPCNT}, SEARCH_KERNEL_PORTABLE},
        {"not x86", {}, SEARCH_KERNEL_PORTABLE},
    };
    for (const auto& c : cases) EXPECT_EQ(chooseSearchKernel(c.processor), c.expected) << c.what;
}

// ComputeMove in every build this processor has, held to the model's plain minimax on
// positions of seeded random games a few moves before the end, where lines end early.
TEST(ComputerPlayer, AgreesWithTheModelNearTheEnd) {
    std::mt19937 random(11);
    for (int game = 0; game < 12; ++game) {
        RulesModel model = RulesModel::start();
        int side = Red;
        const int empty = 6 + game % 5;
        for (int placed = 4; placed < 64 - empty; ++placed, side = 3 - side) {
            const std::vector<Move> legal = model.legalSquares(side);
            if (legal.empty()) break;
            const Move move = legal[random() % legal.size()];
            model.play(move.column, move.row, side);
        }
        uint64_t expectedNodes = 0;
        const Move expected = model.computerMove(side, expectedNodes);
        for (int32_t kernel = 0; kernel < SEARCH_KERNEL_COUNT; ++kernel) {
            if (!selectSearchKernel(static_cast<SearchKernel>(kernel))) continue;
            SCOPED_TRACE("game " + std::to_string(game) + " build " +
                         searchKernelName(static_cast<SearchKernel>(kernel)));
            const uint64_t nodesBefore = searchNodes;
            EXPECT_EQ(ComputeMove(model.board(side), side), expected);
            EXPECT_EQ(searchNodes - nodesBefore, expectedNodes);
        }
    }
    selectSearchKernel(chosenSearchKernel());
}
