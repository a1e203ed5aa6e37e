#pragma once

#include <functional>
#include <string>
#include <vector>

// A floating-point RGBA picture the artwork is composed on before it is written as PNG.
// Colours are premultiplied by alpha, components 0..1, so layers composite with "over".

struct Rgba {
    float r = 0, g = 0, b = 0, a = 0;
};

// Premultiplies an 8-bit straight colour with an alpha of 0..1.
Rgba rgb(float r, float g, float b, float alpha = 1.0f);
Rgba over(const Rgba& top, const Rgba& bottom);
Rgba scaled(const Rgba& colour, float factor);  // also scales alpha
// Straight-colour interpolation of two opaque-or-not colours, t in 0..1.
Rgba mixed(const Rgba& from, const Rgba& to, float t);
float clamp01(float v);
float smoothstep(float edge0, float edge1, float v);

// Coverage-with-colour of a point in pixel coordinates (pixel centres at +0.5).
using Shader = std::function<Rgba(float x, float y)>;

class Canvas {
public:
    Canvas(int width, int height, Rgba fill = Rgba{});

    int width() const { return w; }
    int height() const { return h; }
    Rgba& at(int x, int y) { return pixels[y * w + x]; }
    const Rgba& at(int x, int y) const { return pixels[y * w + x]; }

    // Composites the shader over the picture, averaging samples x samples points per
    // pixel for smooth edges; only pixels inside the clip rectangle are touched.
    void paint(const Shader& shader, int samples = 4);
    void paint(const Shader& shader, int samples, int x0, int y0, int x1, int y1);
    // Composites another canvas over this one with its top-left corner at (x, y).
    void place(const Canvas& other, int x, int y);

    // Writes a PNG through Allegro: fully transparent pixels become opaque magenta (the
    // game's key), other pixels keep their alpha, and an opaque pixel that would read
    // exactly as the key is nudged off it. Without the key (pictures for the desktop, not
    // the game) transparent pixels stay transparent.
    bool save(const std::string& path, bool magentaKey = true) const;

private:
    int w, h;
    std::vector<Rgba> pixels;
};
