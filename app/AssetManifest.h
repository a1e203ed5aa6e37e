#pragma once

#include <cstdint>

// The asset manifest: every bitmap, colour, font and nine-patch frame the game draws
// with, fixed in four tables and registered under the RES_* ids by loadResources. Paths
// are relative to the working directory (the executable's directory at run time).

constexpr int32_t ENTRY_CREATE = 0;             // an empty bitmap of the row's size
constexpr int32_t ENTRY_LOAD = 1;               // a file under data/bitmaps/
constexpr int32_t ENTRY_RENDER_NINE_PATCH = 2;  // a nine-patch file drawn once at the row's size

struct BitmapEntry {
    int32_t id;
    int32_t kind;
    const char* fileName;
    int32_t width;
    int32_t height;
    bool key;
};

struct ColorEntry {
    int32_t id;
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};

struct FontEntry {
    int32_t id;
    const char* fileName;
    int32_t size;
    int32_t flags;
};

struct NinePatchEntry {
    int32_t id;
    const char* fileName;  // with its directory
};

// Each table ends with a row whose id is -1.
extern const BitmapEntry bitmapEntries[];
extern const ColorEntry colorEntries[];
extern const FontEntry fontEntries[];
extern const NinePatchEntry ninePatchEntries[];

// Loads the four sections in order (bitmaps, colours, fonts, nine-patches) after setting
// the bitmap and font destroy functions. 0 on success; -1 at the first failure, leaving
// what was registered so far for destroyResources. Needs the image, font and ttf addons.
int32_t loadResources();

int32_t loadBitmaps();
int32_t loadColors();  // always 0
int32_t loadFonts();   // logs nothing
int32_t loadNinePatches();
