#pragma once

#include <allegro5/allegro.h>

#include "resources/NinePatch.h"

// The artwork that every frame draws lives in one texture, each picture a sub-bitmap of it.
// Drawing from one texture lets held drawing (al_hold_bitmap_drawing) send a frame's many
// small draws in a few batches; with a software renderer, separate textures cost a batch
// and a re-read of each texture per draw.
//
// A picture moved in keeps its place in the object accounting and the log: the sub-bitmap
// that replaces it is destroyed, counted and logged wherever the picture would have been.
// The texture itself is not one of the game's objects: it is neither counted nor logged.
namespace dLibrary {

// Copies the picture into the shared texture and returns the sub-bitmap that replaces it,
// destroying the picture. When the texture cannot be made or has no room left, the picture
// itself is returned unchanged: it only costs more to draw.
ALLEGRO_BITMAP* moveToSharedTexture(ALLEGRO_BITMAP* picture);

// The same for each of a valid nine-patch's pieces.
void moveToSharedTexture(dNinePatch& ninePatch);

// Frees the texture. Only after every sub-bitmap of it is destroyed: destroyResources calls
// it after the last resource.
void destroySharedTexture();

}  // namespace dLibrary
