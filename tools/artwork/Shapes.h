#pragma once

#include <string>
#include <vector>

#include <allegro5/allegro_font.h>

// Shape helpers for the artwork: signed distances for round shapes (negative inside)
// and coverage masks rasterised by Allegro (polygons with the primitives addon, text
// with the ttf addon) for the shapes that have no simple distance.

float circleDistance(float x, float y, float cx, float cy, float radius);
float roundedBoxDistance(float x, float y, float left, float top, float right, float bottom,
                         float radius);
// Anti-aliased coverage of a point at a signed distance, one pixel wide.
float coverage(float distance);

// Per-pixel coverage 0..1; reads outside the mask are 0.
class Mask {
public:
    Mask(int width, int height);

    int width() const { return w; }
    int height() const { return h; }
    float at(int x, int y) const;
    float& ref(int x, int y) { return values[y * w + x]; }

    // Grown by a radius, with a soft rim: outlines.
    Mask dilated(float radius) const;
    // Box-blurred twice with the radius: soft shadows.
    Mask blurred(int radius) const;

private:
    int w, h;
    std::vector<float> values;
};

// A filled polygon (x, y pairs in pixels, counter-clockwise as seen on screen, which the
// triangulator needs) drawn eight times larger and reduced.
Mask polygonMask(int width, int height, const std::vector<float>& points);

// The text's inked box centred on (cx, cy), rounded to whole pixels.
Mask textMask(ALLEGRO_FONT* font, const std::string& text, int width, int height, float cx,
              float cy);
