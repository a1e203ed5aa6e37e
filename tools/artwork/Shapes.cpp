#include "tools/artwork/Shapes.h"

#include <algorithm>
#include <cmath>

#include <allegro5/allegro.h>
#include <allegro5/allegro_primitives.h>

float circleDistance(float x, float y, float cx, float cy, float radius) {
    return std::hypot(x - cx, y - cy) - radius;
}

float roundedBoxDistance(float x, float y, float left, float top, float right, float bottom,
                         float radius) {
    float cx = (left + right) * 0.5f, cy = (top + bottom) * 0.5f;
    float qx = std::fabs(x - cx) - ((right - left) * 0.5f - radius);
    float qy = std::fabs(y - cy) - ((bottom - top) * 0.5f - radius);
    float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}

float coverage(float distance) {
    return std::min(1.0f, std::max(0.0f, 0.5f - distance));
}

Mask::Mask(int width, int height)
    : w(width), h(height), values(static_cast<size_t>(width) * height, 0.0f) {}

float Mask::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= w || y >= h) return 0.0f;
    return values[y * w + x];
}

Mask Mask::dilated(float radius) const {
    Mask out(w, h);
    int reach = static_cast<int>(std::ceil(radius)) + 1;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            float best = 0.0f;
            for (int dy = -reach; dy <= reach; ++dy) {
                for (int dx = -reach; dx <= reach; ++dx) {
                    float rim =
                        std::min(1.0f, std::max(0.0f, radius + 0.5f -
                                                          std::hypot(static_cast<float>(dx),
                                                                     static_cast<float>(dy))));
                    best = std::max(best, at(x + dx, y + dy) * rim);
                }
            }
            out.ref(x, y) = best;
        }
    }
    return out;
}

Mask Mask::blurred(int radius) const {
    Mask current = *this;
    for (int pass = 0; pass < 2; ++pass) {
        Mask across(w, h), down(w, h);
        const float weight = 1.0f / (2 * radius + 1);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                float sum = 0;
                for (int d = -radius; d <= radius; ++d) sum += current.at(x + d, y);
                across.ref(x, y) = sum * weight;
            }
        }
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                float sum = 0;
                for (int d = -radius; d <= radius; ++d) sum += across.at(x, y + d);
                down.ref(x, y) = sum * weight;
            }
        }
        current = down;
    }
    return current;
}

namespace {

// Draws into a transparent memory bitmap and reads the alpha back as coverage.
template <typename DrawFunction>
Mask rasterise(int width, int height, int scale, DrawFunction drawShape) {
    ALLEGRO_BITMAP* bitmap = al_create_bitmap(width * scale, height * scale);
    ALLEGRO_BITMAP* previous = al_get_target_bitmap();
    al_set_target_bitmap(bitmap);
    al_clear_to_color(al_map_rgba(0, 0, 0, 0));
    drawShape();
    al_set_target_bitmap(previous);

    Mask mask(width, height);
    al_lock_bitmap(bitmap, ALLEGRO_PIXEL_FORMAT_ANY, ALLEGRO_LOCK_READONLY);
    const float weight = 1.0f / (scale * scale);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            float sum = 0;
            for (int sy = 0; sy < scale; ++sy) {
                for (int sx = 0; sx < scale; ++sx) {
                    float r, g, b, a;
                    al_unmap_rgba_f(al_get_pixel(bitmap, x * scale + sx, y * scale + sy), &r, &g,
                                    &b, &a);
                    sum += a;
                }
            }
            mask.ref(x, y) = sum * weight;
        }
    }
    al_unlock_bitmap(bitmap);
    al_destroy_bitmap(bitmap);
    return mask;
}

}  // namespace

Mask polygonMask(int width, int height, const std::vector<float>& points) {
    const int scale = 8;
    std::vector<float> big(points.size());
    for (size_t i = 0; i < points.size(); ++i) big[i] = points[i] * scale;
    return rasterise(width, height, scale, [&] {
        al_draw_filled_polygon(big.data(), static_cast<int>(big.size() / 2),
                               al_map_rgb(255, 255, 255));
    });
}

Mask textMask(ALLEGRO_FONT* font, const std::string& text, int width, int height, float cx,
              float cy) {
    int bx, by, bw, bh;
    al_get_text_dimensions(font, text.c_str(), &bx, &by, &bw, &bh);
    float x = std::round(cx - bw * 0.5f - bx);
    float y = std::round(cy - bh * 0.5f - by);
    return rasterise(width, height, 1,
                     [&] { al_draw_text(font, al_map_rgb(255, 255, 255), x, y, 0, text.c_str()); });
}
