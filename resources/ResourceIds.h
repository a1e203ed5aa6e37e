#pragma once

#include <cstdint>

// Ids under which the asset manifest registers every resource. Drawing code looks its
// resources up by these ids at every use and keeps no handles of its own.
constexpr int32_t RES_SCREEN = 0;
constexpr int32_t RES_SPARE_SCREEN = 1;
constexpr int32_t RES_ICON = 2;
constexpr int32_t RES_MOUSE = 3;
constexpr int32_t RES_WOOD = 4;
constexpr int32_t RES_GRID_ALPHA = 5;
constexpr int32_t RES_GRID_NUMERIC = 6;
constexpr int32_t RES_CELL = 7;
constexpr int32_t RES_RED_DISK = 8;
constexpr int32_t RES_BLUE_DISK = 9;
constexpr int32_t RES_SELECT = 10;
constexpr int32_t RES_HIGHLIGHT = 11;
constexpr int32_t RES_DIGITS = 12;
constexpr int32_t RES_SCORE = 13;
constexpr int32_t RES_ARROW = 14;
constexpr int32_t RES_COLOR_MAGENTA = 15;
constexpr int32_t RES_COLOR_WHITE = 16;
constexpr int32_t RES_COLOR_LIGHT_BLUE = 17;
constexpr int32_t RES_COLOR_BLACK = 18;
constexpr int32_t RES_FONT = 19;
constexpr int32_t RES_MESSAGE = 20;
constexpr int32_t RES_BUTTON = 21;
constexpr int32_t RES_BUTTON_PUSH = 22;
constexpr int32_t RES_BUTTON_HOVER = 23;
constexpr int32_t RES_BUTTON_DISABLED = 24;
