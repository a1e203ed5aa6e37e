#include "tools/artwork/Canvas.h"

#include <algorithm>
#include <cmath>

#include <allegro5/allegro.h>

float clamp01(float v) {
    return std::min(1.0f, std::max(0.0f, v));
}

float smoothstep(float edge0, float edge1, float v) {
    float t = clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3.0f - 2.0f * t);
}

Rgba rgb(float r, float g, float b, float alpha) {
    alpha = clamp01(alpha);
    return {r / 255.0f * alpha, g / 255.0f * alpha, b / 255.0f * alpha, alpha};
}

Rgba over(const Rgba& top, const Rgba& bottom) {
    float keep = 1.0f - top.a;
    return {top.r + bottom.r * keep, top.g + bottom.g * keep, top.b + bottom.b * keep,
            top.a + bottom.a * keep};
}

Rgba scaled(const Rgba& colour, float factor) {
    return {colour.r * factor, colour.g * factor, colour.b * factor, colour.a * factor};
}

Rgba mixed(const Rgba& from, const Rgba& to, float t) {
    t = clamp01(t);
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t,
            from.b + (to.b - from.b) * t, from.a + (to.a - from.a) * t};
}

Canvas::Canvas(int width, int height, Rgba fill)
    : w(width), h(height), pixels(static_cast<size_t>(width) * height, fill) {}

void Canvas::paint(const Shader& shader, int samples) {
    paint(shader, samples, 0, 0, w, h);
}

void Canvas::paint(const Shader& shader, int samples, int x0, int y0, int x1, int y1) {
    x0 = std::max(0, x0);
    y0 = std::max(0, y0);
    x1 = std::min(w, x1);
    y1 = std::min(h, y1);
    const float step = 1.0f / samples;
    const float weight = 1.0f / (samples * samples);
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            Rgba sum;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    Rgba c = shader(x + (sx + 0.5f) * step, y + (sy + 0.5f) * step);
                    sum.r += c.r;
                    sum.g += c.g;
                    sum.b += c.b;
                    sum.a += c.a;
                }
            }
            at(x, y) = over(scaled(sum, weight), at(x, y));
        }
    }
}

void Canvas::place(const Canvas& other, int x, int y) {
    for (int oy = 0; oy < other.height(); ++oy) {
        for (int ox = 0; ox < other.width(); ++ox) {
            int tx = x + ox, ty = y + oy;
            if (tx < 0 || ty < 0 || tx >= w || ty >= h) continue;
            at(tx, ty) = over(other.at(ox, oy), at(tx, ty));
        }
    }
}

namespace {
int to8(float v) {
    return static_cast<int>(std::lround(clamp01(v) * 255.0f));
}
}  // namespace

bool Canvas::save(const std::string& path, bool magentaKey) const {
    ALLEGRO_BITMAP* bitmap = al_create_bitmap(w, h);
    if (bitmap == nullptr) return false;
    ALLEGRO_BITMAP* previous = al_get_target_bitmap();
    al_set_target_bitmap(bitmap);
    al_lock_bitmap(bitmap, ALLEGRO_PIXEL_FORMAT_ABGR_8888, ALLEGRO_LOCK_WRITEONLY);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const Rgba& p = at(x, y);
            int alpha = to8(p.a);
            if (alpha == 0) {
                al_put_pixel(x, y,
                             magentaKey ? al_map_rgba(255, 0, 255, 255) : al_map_rgba(0, 0, 0, 0));
                continue;
            }
            int r = to8(p.r / p.a), g = to8(p.g / p.a), b = to8(p.b / p.a);
            if (magentaKey && r == 255 && g == 0 && b == 255) r = 254;
            al_put_pixel(x, y, al_map_rgba(r, g, b, alpha));
        }
    }
    al_unlock_bitmap(bitmap);
    al_set_target_bitmap(previous);
    bool saved = al_save_bitmap(path.c_str(), bitmap);
    al_destroy_bitmap(bitmap);
    return saved;
}
