#pragma once

#include <cstdint>
#include <string>

#include "app/AssetTables.h"

// Loading the asset manifest (app/AssetTables.h) into the resource registry. Paths are
// relative to the working directory (the executable's directory at run time).

// Loads the four sections in order (bitmaps, colours, fonts, nine-patches) after setting
// the bitmap and font destroy functions. 0 on success; -1 at the first failure, leaving
// what was registered so far for destroyResources. Needs the image, font and ttf addons.
int32_t loadResources();

// What stopped the last failed load, for the user: the failed bitmap's log line, or the
// font or nine-patch file that could not be loaded.
const std::string& loadFailure();

// Whether a loaded picture is one the frames draw, and so moves into the one shared texture.
// The icon and the cursor picture are handed to the window system instead, so they stay apart.
bool drawnInFrames(int32_t id);

int32_t loadBitmaps();
int32_t loadColors();  // always 0
int32_t loadFonts();   // logs nothing
int32_t loadNinePatches();
