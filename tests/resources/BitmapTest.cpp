#include <string>

#include <allegro5/allegro.h>
#include <gtest/gtest.h>

#include "resources/Bitmap.h"
#include "tests/resources/TestSupport.h"

namespace {

using namespace dLibrary;

// Three pixels: the key, a colour one step from it, and an ordinary colour.
std::string writeKeySample(const ScratchDir& scratch) {
    ALLEGRO_BITMAP* sample = paintedBitmap(3, 1, [](int x, int) {
        return x == 0   ? al_map_rgb(255, 0, 255)
               : x == 1 ? al_map_rgb(254, 0, 255)
                        : al_map_rgb(10, 20, 30);
    });
    std::string path = scratch.file("key.png");
    al_save_bitmap(path.c_str(), sample);
    al_destroy_bitmap(sample);
    return path;
}

TEST(BitmapTest, TheKeyTurnsExactMagentaTransparentAndNothingElse) {
    ScratchDir scratch;
    const std::string path = writeKeySample(scratch);
    LogCapture log;
    CountDelta counts;

    ALLEGRO_BITMAP* keyed = loadBitmap(path, true);
    ASSERT_NE(keyed, nullptr);
    EXPECT_EQ(pixelAt(keyed, 0, 0).a, 0);
    EXPECT_EQ(pixelAt(keyed, 1, 0), opaque(254, 0, 255));
    EXPECT_EQ(pixelAt(keyed, 2, 0), opaque(10, 20, 30));

    ALLEGRO_BITMAP* plain = loadBitmap(path, false);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(pixelAt(plain, 0, 0), opaque(255, 0, 255));
    EXPECT_EQ(counts.created(), 2u);

    destroyBitmap(keyed);
    destroyBitmap(plain);
    EXPECT_EQ(counts.freed(), 2u);
    const std::string loaded = "Bitmap \"" + path + "\" loaded";
    EXPECT_EQ(log.lines(),
              (std::vector<std::string>{loaded, loaded, "Bitmap destroyed", "Bitmap destroyed"}));
}

TEST(BitmapTest, AMissingFileIsLoggedAndNotCounted) {
    LogCapture log;
    CountDelta counts;
    EXPECT_EQ(loadBitmap("no/such/picture.png", true), nullptr);
    destroyBitmap(nullptr);
    EXPECT_EQ(counts.created(), 0u);
    EXPECT_EQ(counts.freed(), 0u);
    EXPECT_EQ(log.lines(),
              (std::vector<std::string>{"Bitmap \"no/such/picture.png\" could not be loaded"}));
}

TEST(BitmapTest, CreatingLogsTheSizeAndCountsOnlySuccess) {
    LogCapture log;
    CountDelta counts;
    ALLEGRO_BITMAP* bitmap = createBitmap(120, 40);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(al_get_bitmap_width(bitmap), 120);
    EXPECT_EQ(al_get_bitmap_height(bitmap), 40);
    EXPECT_EQ(createBitmap(-5, 10), nullptr);
    EXPECT_EQ(counts.created(), 1u);
    destroyBitmap(bitmap);
    EXPECT_EQ(log.lines(),
              (std::vector<std::string>{"Bitmap 120x40 created",
                                        "Bitmap -5x10 could not be created", "Bitmap destroyed"}));
}

}  // namespace
