#include "tests/support/TestSupport.h"

#include "resources/Headless.h"
#include "resources/Registry.h"

void AllegroEnvironment::SetUp() {
    ASSERT_TRUE(initHeadlessAllegro());
    if (!loadArtwork) return;
    ASSERT_TRUE(al_change_directory(TILECREST_BUILD_ROOT));
    ASSERT_EQ(loadArtwork(), 0) << "the artwork must be built into " TILECREST_BUILD_ROOT "/data";
}

void AllegroEnvironment::TearDown() {
    if (loadArtwork) dLibrary::destroyResources();
}

uint32_t pixelAt(ALLEGRO_BITMAP* bitmap, int x, int y) {
    unsigned char r, g, b, a;
    al_unmap_rgba(al_get_pixel(bitmap, x, y), &r, &g, &b, &a);
    return rgba(r, g, b, a);
}

ALLEGRO_BITMAP* paintedBitmap(int width, int height,
                              const std::function<uint32_t(int x, int y)>& colour) {
    ALLEGRO_BITMAP* bitmap = al_create_bitmap(width, height);
    ALLEGRO_BITMAP* previous = al_get_target_bitmap();
    al_set_target_bitmap(bitmap);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t c = colour(x, y);
            al_put_pixel(x, y, al_map_rgba(c >> 24, c >> 16 & 255, c >> 8 & 255, c & 255));
        }
    }
    al_set_target_bitmap(previous);
    return bitmap;
}

int differingPixels(ALLEGRO_BITMAP* picture, int x, int y, ALLEGRO_BITMAP* expected, int ex, int ey,
                    int w, int h) {
    int wrong = 0;
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            wrong += pixelAt(picture, x + i, y + j) != pixelAt(expected, ex + i, ey + j);
    return wrong;
}
