#include "resources/Bitmap.h"

#include <cstdio>
#include <unistd.h>

#include "tests/support/TestSupport.h"

TEST(Bitmaps, TheKeyTurnsExactlyMagentaTransparentOnlyWhenAskedAndFailuresAndRefusalsCountNothing) {
    ALLEGRO_BITMAP* sample = paintedBitmap(3, 1, [](int x, int) {
        return x == 0 ? rgba(255, 0, 255) : x == 1 ? rgba(254, 0, 255) : rgba(10, 20, 30);
    });
    const std::string path =
        ::testing::TempDir() + "tilecrest-" + std::to_string(getpid()) + ".png";
    ASSERT_TRUE(al_save_bitmap(path.c_str(), sample));
    al_destroy_bitmap(sample);
    CountDelta counts;
    EXPECT_EQ(dLibrary::loadBitmap("no/such/picture.png", true), nullptr);
    EXPECT_EQ(dLibrary::createBitmap(-5, 10), nullptr);
    dLibrary::destroyBitmap(nullptr);
    EXPECT_EQ(dLibrary::loadBitmap(path, true, {1, 1, 2, 1}), nullptr) << "too wide";
    EXPECT_EQ(dLibrary::loadBitmap(path, true, {1, 2}), nullptr) << "too low";
    EXPECT_EQ(counts.created() + counts.freed(), 0u);
    ALLEGRO_BITMAP* keyed = dLibrary::loadBitmap(path, true);
    ALLEGRO_BITMAP* plain = dLibrary::loadBitmap(path, false, {3, 1, 3, 1});  // bounds included
    std::remove(path.c_str());
    ASSERT_TRUE(keyed && plain);
    EXPECT_EQ(pixelAt(keyed, 0, 0) & 255, 0u);
    EXPECT_EQ(pixelAt(keyed, 1, 0), rgba(254, 0, 255));
    EXPECT_EQ(pixelAt(keyed, 2, 0), rgba(10, 20, 30));
    EXPECT_EQ(pixelAt(plain, 0, 0), rgba(255, 0, 255));
    dLibrary::destroyBitmap(keyed);
    dLibrary::destroyBitmap(plain);
    EXPECT_EQ(counts.created() + counts.freed(), 4u);
}
