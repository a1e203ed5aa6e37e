#include <gtest/gtest.h>

#include "support/LoadedResources.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new LoadedResources);
    return RUN_ALL_TESTS();
}
