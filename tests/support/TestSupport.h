#pragma once

#include <cstdint>
#include <functional>

#include <allegro5/allegro.h>
#include <gtest/gtest.h>

#include "base/ObjectCounters.h"

// Allegro and its addons without a display, so every bitmap is a memory bitmap; with a loader
// (the asset manifest's loadResources), the build's real artwork loaded as the game loads it.
class AllegroEnvironment : public ::testing::Environment {
public:
    explicit AllegroEnvironment(int32_t (*loader)() = nullptr) : loadArtwork(loader) {}
    void SetUp() override;
    void TearDown() override;
    int32_t (*loadArtwork)();
};

// Rises of the object counters since construction.
struct CountDelta {
    uint32_t created() const { return objectsCreated - created0; }
    uint32_t freed() const { return objectsFreed - freed0; }
    uint32_t created0 = objectsCreated, freed0 = objectsFreed;
};

// Pixels as 0xRRGGBBAA.
constexpr uint32_t rgba(int r, int g, int b, int a = 255) {
    return uint32_t(r) << 24 | uint32_t(g) << 16 | uint32_t(b) << 8 | uint32_t(a);
}
uint32_t pixelAt(ALLEGRO_BITMAP* bitmap, int x, int y);
// A new memory bitmap painted pixel by pixel; the caller destroys it.
ALLEGRO_BITMAP* paintedBitmap(int width, int height,
                              const std::function<uint32_t(int x, int y)>& colour);
// How many pixels of the w by h area at (x, y) of `picture` differ from `expected` at (ex, ey).
int differingPixels(ALLEGRO_BITMAP* picture, int x, int y, ALLEGRO_BITMAP* expected, int ex, int ey,
                    int w, int h);
