#pragma once

#include <cstdint>
#include <string>

// Draws text centred on x with its top at y, first in black one pixel right of and
// below its place, then in the given colour: the one way text appears on the screen.
void drawShadowText(int32_t colorId, int32_t x, int32_t y, const std::string& text);
