#pragma once

#include <gtest/gtest.h>

// Initialises Allegro and its addons without a display and loads the real artwork of the
// build (memory bitmaps), so element, message box and game tests draw and measure with
// what the game uses. Register once per test program with AddGlobalTestEnvironment.
class LoadedResources : public ::testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;
};
