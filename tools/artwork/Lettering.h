#pragma once

#include "tools/artwork/Canvas.h"
#include "tools/artwork/Shapes.h"

// Raised lettering: a soft drop shadow, a dark outline and a fill that runs from one
// colour at the top of the canvas to another at the bottom.
struct Lettering {
    Rgba top;
    Rgba bottom;
    Rgba outline;
    float outlineWidth;
    float shadowAlpha;
};

void paintLettering(Canvas& canvas, const Mask& glyphs, const Lettering& style, int x0, int y0);
