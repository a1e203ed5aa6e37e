// The board screen's pictures: the wooden background, the felt squares, the disks and
// the legal-move mark.
#include <algorithm>
#include <cmath>

#include "tools/artwork/Art.h"
#include "tools/artwork/Noise.h"
#include "tools/artwork/Shapes.h"

namespace {

// Light from the upper left, towards the viewer.
struct Vec3 {
    float x, y, z;
};
Vec3 normalised(Vec3 v) {
    float length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return {v.x / length, v.y / length, v.z / length};
}
float dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
const Vec3 LIGHT_DIRECTION = normalised({-0.55f, -0.7f, 0.9f});
const Vec3 LIGHT_HALFWAY =
    normalised({LIGHT_DIRECTION.x, LIGHT_DIRECTION.y, LIGHT_DIRECTION.z + 1.0f});

Rgba woodColour(const Noise& noise, int plank, float x, float y, float v, float plankHeight) {
    const float tint = 0.86f + 0.22f * noise.random(plank, 7);
    const float shift = noise.random(plank, 11) * 1000.0f;
    // Long streaks: stretched noise plus wavy growth lines.
    float streak = noise.fractal((x + shift) * 0.004f, y * 0.085f, 4);
    float wobble = 22.0f * noise.fractal((x + shift) * 0.0022f, y * 0.012f + plank, 3);
    float ring = 0.5f + 0.5f * std::sin((v + wobble) * 0.42f + shift);
    float line = std::pow(ring, 7.0f);
    float fine = noise.fractal((x + shift) * 0.03f, y * 0.7f, 2);
    float pore = smoothstep(0.72f, 0.9f, noise.value((x + shift) * 0.5f, y * 2.2f));

    float dark = clamp01(0.55f * streak + 0.35f * line + 0.25f * fine + 0.15f * pore - 0.2f);
    Rgba light = rgb(196 * tint, 128 * tint, 70 * tint);
    Rgba deep = rgb(112 * tint, 62 * tint, 28 * tint);
    Rgba colour = mixed(light, deep, dark);

    // Seams: a dark gap at the plank's top, a soft shade along its bottom.
    float shade = 1.0f;
    if (v < 1.0f)
        shade = 0.35f;
    else if (v < 2.0f)
        shade = 0.8f;
    else if (v < 3.0f)
        shade = 1.08f;
    shade *= 1.0f - 0.18f * smoothstep(plankHeight - 6.0f, plankHeight, v);
    return {colour.r * shade, colour.g * shade, colour.b * shade, 1.0f};
}

}  // namespace

Canvas makeWood(int width, int height, bool boardRecess) {
    const Noise noise(1207);
    const float plankHeight = 75.0f;
    Canvas canvas(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int plank = static_cast<int>(y / plankHeight);
            float v = y - plank * plankHeight;
            // One butt joint per plank, staggered, with fresh grain on its right.
            float joint = 120.0f + noise.random(plank, 3) * (width - 240.0f);
            int piece = plank * 2 + (x >= joint ? 1 : 0);
            Rgba colour = woodColour(noise, piece, static_cast<float>(x), static_cast<float>(y), v,
                                     plankHeight);
            float fromJoint = x - joint;
            if (fromJoint >= -1.0f && fromJoint < 1.0f)
                colour = scaled(colour, 0.45f);
            else if (fromJoint >= 1.0f && fromJoint < 2.0f)
                colour = scaled(colour, 1.08f);
            colour.a = 1.0f;

            // A soft vignette keeps the eye on the board.
            float dx = (x - width * 0.5f) / width, dy = (y - height * 0.5f) / height;
            float vignette = 1.0f - 0.5f * (dx * dx + dy * dy);
            colour = {colour.r * vignette, colour.g * vignette, colour.b * vignette, 1.0f};
            canvas.at(x, y) = colour;
        }
    }
    if (boardRecess) {
        // The board sits in a dark routed groove with a shadow around it.
        canvas.paint(
            [](float x, float y) {
                float d = roundedBoxDistance(x, y, LAYOUT_BOARD_LEFT, LAYOUT_BOARD_TOP,
                                             LAYOUT_BOARD_RIGHT, LAYOUT_BOARD_BOTTOM, 2);
                if (d < 0) return Rgba{};
                if (d < 4.0f) return rgb(38, 20, 9, 0.9f - d * 0.08f);
                if (d < 5.0f) return rgb(250, 205, 150, 0.22f);
                return rgb(20, 10, 4, 0.35f * (1.0f - smoothstep(5.0f, 12.0f, d)));
            },
            2, LAYOUT_BOARD_LEFT - 14, LAYOUT_BOARD_TOP - 14, LAYOUT_BOARD_RIGHT + 14,
            LAYOUT_BOARD_BOTTOM + 14);
    }
    return canvas;
}

Canvas makeCell(bool lit) {
    const Noise noise(lit ? 77 : 76);
    Canvas canvas(LAYOUT_SQUARE_SIZE, LAYOUT_SQUARE_SIZE);
    Rgba base = lit ? rgb(58, 158, 96) : rgb(30, 116, 70);
    for (int y = 0; y < LAYOUT_SQUARE_SIZE; ++y) {
        for (int x = 0; x < LAYOUT_SQUARE_SIZE; ++x) {
            // Felt: fine fibres over a gentle cloud.
            float felt = 0.6f * noise.fractal(x * 0.45f, y * 0.45f, 3) +
                         0.4f * noise.fractal(x * 0.08f + 3.0f, y * 0.08f, 2);
            float edge = std::min(std::min(x, y),
                                  std::min(LAYOUT_SQUARE_SIZE - 1 - x, LAYOUT_SQUARE_SIZE - 1 - y));
            float pillow = 0.86f + 0.14f * smoothstep(0.0f, 10.0f, edge);
            float shade = (0.9f + 0.2f * felt) * pillow;
            Rgba colour = {base.r * shade, base.g * shade, base.b * shade, 1.0f};
            if (y == 0 || x == 0) colour = mixed(colour, rgb(150, 215, 170), 0.35f);
            if (y == LAYOUT_SQUARE_SIZE - 1 || x == LAYOUT_SQUARE_SIZE - 1)
                colour = rgb(10, 48, 28);
            if (lit && edge >= 1) {
                float glow = 0.55f * (1.0f - smoothstep(1.0f, 9.0f, edge));
                colour = over(rgb(255, 232, 140, glow), colour);
            }
            canvas.at(x, y) = colour;
        }
    }
    return canvas;
}

void paintDisk(Canvas& canvas, float cx, float cy, float radius, DiskColour colour) {
    const float s = radius / 26.0f;
    const float bevel = 6.0f * s;
    // Soft shadow below and to the right.
    Mask shadow(canvas.width(), canvas.height());
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            shadow.ref(x, y) =
                coverage(circleDistance(x + 0.5f, y + 0.5f, cx + 1.5f * s, cy + 2.5f * s, radius));
    Mask soft = shadow.blurred(std::max(1, static_cast<int>(2.0f * s)));
    canvas.paint(
        [&](float x, float y) {
            return rgb(0, 0, 0, 0.5f * soft.at(static_cast<int>(x), static_cast<int>(y)));
        },
        1);

    const Rgba base = colour == DiskColour::Red ? rgb(214, 40, 46) : rgb(40, 96, 218);
    const Rgba rim = colour == DiskColour::Red ? rgb(96, 8, 14) : rgb(10, 30, 92);
    canvas.paint([&](float x, float y) {
        float dx = x - cx, dy = y - cy;
        float d = std::hypot(dx, dy);
        if (d > radius + 0.5f) return Rgba{};
        // Height profile: a low dome with a rounded edge.
        float inner = radius - bevel;
        float slope;
        if (d < inner) {
            slope = 0.35f * d / inner;
        } else {
            float t = std::min(0.97f, (d - inner) / bevel);
            slope = 0.35f + t / std::sqrt(1.0f - t * t);
        }
        Vec3 normal =
            d > 0.0f ? normalised({dx / d * slope, dy / d * slope, 1.0f}) : Vec3{0.0f, 0.0f, 1.0f};
        float diffuse = std::max(0.0f, dot(normal, LIGHT_DIRECTION));
        float specular = std::pow(std::max(0.0f, dot(normal, LIGHT_HALFWAY)), 60.0f);
        float light = 0.3f + 0.85f * diffuse;
        Rgba c = {base.r * light, base.g * light, base.b * light, 1.0f};
        c = mixed(c, rim, 0.55f * smoothstep(radius - 2.0f * s, radius, d));
        c = over(rgb(255, 255, 255, 0.75f * specular), c);
        // The gloss: a soft crescent on the upper left of the face.
        float gx = (dx + 7.0f * s) / (13.0f * s), gy = (dy + 9.0f * s) / (8.0f * s);
        float gloss = 1.0f - smoothstep(0.55f, 1.0f, std::sqrt(gx * gx + gy * gy));
        c = over(rgb(255, 255, 255, 0.42f * gloss), c);
        return scaled(c, coverage(d - radius));
    });
}

Canvas makeDiskImage(DiskColour colour) {
    Canvas canvas(LAYOUT_SQUARE_SIZE, LAYOUT_SQUARE_SIZE);
    paintDisk(canvas, 31.5f, 31.0f, 25.5f, colour);
    return canvas;
}

Canvas makeSelect() {
    Canvas canvas(LAYOUT_SQUARE_SIZE, LAYOUT_SQUARE_SIZE);
    const float c = LAYOUT_SQUARE_SIZE * 0.5f;
    canvas.paint([&](float x, float y) {
        float d = std::hypot(x - c - 0.8f, y - c - 1.0f);
        return rgb(0, 20, 10, 0.3f * coverage(std::fabs(d - 8.0f) - 1.8f));
    });
    canvas.paint([&](float x, float y) {
        float d = std::hypot(x - c, y - c);
        Rgba ring = rgb(255, 248, 225, 0.7f * coverage(std::fabs(d - 8.0f) - 1.3f));
        Rgba fill = rgb(255, 248, 225, 0.18f * coverage(d - 7.0f));
        return over(ring, fill);
    });
    return canvas;
}
