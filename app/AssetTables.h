#pragma once

#include <cstdint>

#include <allegro5/allegro_ttf.h>

#include "resources/Bitmap.h"
#include "resources/ResourceIds.h"
#include "screen/Layout.h"

// The asset manifest's four tables: every bitmap, colour, font and nine-patch frame the game
// draws with, and the ids they are registered under. The one list of the game's data files:
// the artwork generator draws exactly these files and the build learns its outputs here.
// Each table ends with a row whose id is -1.

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

inline constexpr BitmapEntry bitmapEntries[] = {
    {RES_SCREEN, ENTRY_CREATE, "", LAYOUT_SCREEN_WIDTH, LAYOUT_SCREEN_HEIGHT, true},
    {RES_SPARE_SCREEN, ENTRY_CREATE, "", LAYOUT_SCREEN_WIDTH, LAYOUT_SCREEN_HEIGHT, true},
    {RES_ICON, ENTRY_LOAD, "icon.png", 0, 0, true},
    {RES_MOUSE, ENTRY_LOAD, "mouse.png", 0, 0, true},
    {RES_WOOD, ENTRY_LOAD, "wood.png", 0, 0, true},
    {RES_GRID_ALPHA, ENTRY_LOAD, "grid_alpha.png", 0, 0, true},
    {RES_GRID_NUMERIC, ENTRY_LOAD, "grid_numeric.png", 0, 0, true},
    {RES_CELL, ENTRY_LOAD, "cell.png", 0, 0, true},
    {RES_RED_DISK, ENTRY_LOAD, "red_disk.png", 0, 0, true},
    {RES_BLUE_DISK, ENTRY_LOAD, "blue_disk.png", 0, 0, true},
    {RES_SELECT, ENTRY_LOAD, "select.png", 0, 0, true},
    {RES_HIGHLIGHT, ENTRY_LOAD, "highlight.png", 0, 0, true},
    {RES_DIGITS, ENTRY_LOAD, "digits.png", 0, 0, true},
    {RES_SCORE, ENTRY_LOAD, "score.png", 0, 0, true},
    {RES_ARROW, ENTRY_LOAD, "arrow.png", 0, 0, true},
    {-1, ENTRY_CREATE, "", 0, 0, false},
};

inline constexpr ColorEntry colorEntries[] = {
    {RES_COLOR_MAGENTA, 255, 0, 255},
    {RES_COLOR_WHITE, 255, 255, 255},
    {RES_COLOR_LIGHT_BLUE, 64, 192, 255},
    {RES_COLOR_BLACK, 0, 0, 0},
    {-1, 0, 0, 0},
};

inline constexpr FontEntry fontEntries[] = {
    {RES_FONT, "arlrdbd.ttf", 16, ALLEGRO_TTF_NO_KERNING},
    {-1, "", 0, 0},
};

inline constexpr NinePatchEntry ninePatchEntries[] = {
    {RES_MESSAGE, "data/bitmaps/message.png"},
    {RES_BUTTON, "data/bitmaps/button.png"},
    {RES_BUTTON_PUSH, "data/bitmaps/button_push.png"},
    {RES_BUTTON_HOVER, "data/bitmaps/button_hover.png"},
    {RES_BUTTON_DISABLED, "data/bitmaps/button_disabled.png"},
    {-1, ""},
};

// Shown while the rest loads; the only picture the game can start without.
inline constexpr const char* FILE_LOADING_PICTURE = "data/bitmaps/loading.png";

// The point of the mouse cursor's picture (RES_MOUSE) that points.
constexpr int32_t CURSOR_FOCUS_X = 3;
constexpr int32_t CURSOR_FOCUS_Y = 3;

// Sizes of the pictures that reach the window system, which reports no error for a picture
// it rejects: Xlib's default handler ends the program from one of Allegro's threads, which
// can hang in Allegro's exit handler. The cursor must hold its focus point (else BadMatch).
// The icon goes to the X server as one property of width * height * 4 + 8 bytes, and one
// request holds at most 16 MiB (4194303 four-byte units with BIG-REQUESTS): 2048 by 2048
// fails (BadLength), while 1024 by 1024 (4 MiB) leaves ample room and is more than any
// desktop shows. Other rows may have any size.
struct BitmapLimit {
    int32_t id;
    dLibrary::BitmapSizes sizes;
};

inline constexpr BitmapLimit bitmapLimits[] = {
    {RES_ICON, {1, 1, 1024, 1024}},
    {RES_MOUSE, {CURSOR_FOCUS_X + 1, CURSOR_FOCUS_Y + 1}},
    {-1, {}},
};
