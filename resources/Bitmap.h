#pragma once

#include <cstdint>
#include <limits>
#include <string>

#include <allegro5/allegro.h>

// Bitmap creation, loading and destruction, each writing exactly one log line and keeping
// objectsCreated/objectsFreed in step. The caller owns what is returned.
namespace dLibrary {

// The sizes a loaded picture may have, bounds included.
struct BitmapSizes {
    int32_t minWidth = 1, minHeight = 1;
    int32_t maxWidth = std::numeric_limits<int32_t>::max();
    int32_t maxHeight = std::numeric_limits<int32_t>::max();
};

// "Bitmap WxH created" (or "could not be created"); null on failure.
ALLEGRO_BITMAP* createBitmap(int32_t width, int32_t height);

// "Bitmap "file" loaded" (or "could not be loaded"); null on failure. With keyMagenta,
// pixels of exactly (255, 0, 255) become fully transparent. A picture outside `sizes` is
// refused like an unreadable file, without being counted.
ALLEGRO_BITMAP* loadBitmap(std::string fileName, bool keyMagenta, const BitmapSizes& sizes = {});

// "Bitmap destroyed"; null is ignored without a line.
void destroyBitmap(ALLEGRO_BITMAP* bitmap);

}  // namespace dLibrary
