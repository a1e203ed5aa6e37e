#pragma once

#include <cstdint>
#include <string>

#include <allegro5/allegro.h>

// Bitmap creation, loading and destruction, each writing exactly one log line and keeping
// objectsCreated/objectsFreed in step. The caller owns what is returned.
namespace dLibrary {

// "Bitmap WxH created" (or "could not be created"); null on failure.
ALLEGRO_BITMAP* createBitmap(int32_t width, int32_t height);

// "Bitmap "file" loaded" (or "could not be loaded"); null on failure. With keyMagenta,
// pixels of exactly (255, 0, 255) become fully transparent.
ALLEGRO_BITMAP* loadBitmap(std::string fileName, bool keyMagenta);

// "Bitmap destroyed"; null is ignored without a line.
void destroyBitmap(ALLEGRO_BITMAP* bitmap);

}  // namespace dLibrary
