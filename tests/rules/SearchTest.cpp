#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "rules/ComputerPlayer.h"
#include "rules/Rules.h"
#include "rules/SearchKernel.h"
#include "tests/support/RulesModel.h"

// avx2 exactly where the processor has all four of its instruction sets and the system saves
// the AVX registers; a processor lacking any one of them, or a system that does not save
// them, gets portable.
TEST(SearchKernel, Avx2OnlyWithEveryInstructionAndTheSavedState) {
    const uint32_t needs =
        PROCESSOR_AVX2 | PROCESSOR_BMI1 | PROCESSOR_LZCNT | PROCESSOR_POPCNT | PROCESSOR_AVX_SAVED;
    const struct {
        const char* what;
        uint32_t features;
        SearchKernel expected;
    } cases[] = {
        {"everything", needs, SEARCH_KERNEL_AVX2},
        {"no AVX2", needs & ~PROCESSOR_AVX2, SEARCH_KERNEL_PORTABLE},
        {"no BMI1", needs & ~PROCESSOR_BMI1, SEARCH_KERNEL_PORTABLE},
        {"no LZCNT", needs & ~PROCESSOR_LZCNT, SEARCH_KERNEL_PORTABLE},
        {"no POPCNT", needs & ~PROCESSOR_POPCNT, SEARCH_KERNEL_PORTABLE},
        {"AVX state not saved", needs & ~PROCESSOR_AVX_SAVED, SEARCH_KERNEL_PORTABLE},
        {"not x86", 0, SEARCH_KERNEL_PORTABLE},
    };
    for (const auto& c : cases) {
        Processor processor;
        processor.features = c.features;
        EXPECT_EQ(searchKernelFor(processor), c.expected) << c.what;
    }
}

// ComputeMove in every build this processor has, held to the model's plain minimax on
// positions of seeded random games a few moves before the end, where lines end early.
TEST(ComputerPlayer, AgreesWithTheModelNearTheEnd) {
    std::mt19937 random(11);
    for (int game = 0; game < 12; ++game) {
        RulesModel model = RulesModel::start();
        int side = Red;
        const int empty = 6 + game % 5;
        for (int placed = 4; placed < 64 - empty; ++placed, side = RulesModel::opponent(side)) {
            const std::vector<Move> legal = model.legalSquares(side);
            if (legal.empty()) break;
            const Move move = legal[random() % legal.size()];
            model.play(move.column, move.row, side);
        }
        uint64_t expectedNodes = 0;
        const Move expected = model.computerMove(side, expectedNodes);
        for (int32_t kernel = 0; kernel < SEARCH_KERNEL_COUNT; ++kernel) {
            if (!switchSearchKernel(static_cast<SearchKernel>(kernel))) continue;
            SCOPED_TRACE("game " + std::to_string(game) + " build " +
                         searchKernelName(static_cast<SearchKernel>(kernel)));
            const uint64_t nodesBefore = searchNodes;
            EXPECT_EQ(ComputeMove(model.board(side), side), expected);
            EXPECT_EQ(searchNodes - nodesBefore, expectedNodes);
        }
    }
    switchSearchKernel(defaultSearchKernel());
}
