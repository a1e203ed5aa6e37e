// The mouse pointer, the window icon and the picture shown while the game loads.
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/artwork/Art.h"
#include "tools/artwork/Lettering.h"
#include "tools/artwork/Noise.h"
#include "tools/artwork/Shapes.h"

namespace {

const Lettering STYLE_TITLE = {rgb(255, 246, 206), rgb(244, 172, 60), rgb(44, 22, 6), 2.0f, 0.7f};
const Lettering STYLE_CAPTION = {rgb(255, 248, 230), rgb(236, 220, 190), rgb(40, 22, 8, 0.9f), 1.0f,
                                 0.5f};

Rgba feltAt(const Noise& noise, float x, float y) {
    float shade = 0.9f + 0.2f * noise.fractal(x * 0.45f, y * 0.45f, 3);
    return rgb(30 * shade, 116 * shade, 70 * shade);
}

}  // namespace

Canvas makeMouse() {
    const int size = 32;
    // The outline's tip is the pixel corner (3, 3): the cursor's focus point.
    Mask outer = polygonMask(size, size,
                             {3.0f, 3.0f, 3.0f, 24.5f, 8.4f, 19.4f, 12.0f, 27.6f, 16.4f, 25.8f,
                              12.9f, 17.8f, 20.0f, 17.8f});
    Mask inner = polygonMask(size, size,
                             {4.4f, 6.2f, 4.4f, 21.2f, 8.8f, 17.0f, 12.7f, 25.6f, 14.6f, 24.8f,
                              10.8f, 16.4f, 16.6f, 16.4f});
    Mask shadow = outer.blurred(1);
    Canvas canvas(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            Rgba c = rgb(0, 0, 0, 0.35f * shadow.at(x - 2, y - 2));
            c = over(scaled(rgb(22, 14, 8), outer.at(x, y)), c);
            Rgba fill = mixed(rgb(255, 252, 240), rgb(236, 216, 178), (y - 4.0f) / 22.0f);
            c = over(scaled(fill, inner.at(x, y)), c);
            // Nothing lies above or left of the focus point.
            if (x < 3 || y < 3) c = Rgba{};
            canvas.at(x, y) = c;
        }
    }
    return canvas;
}

namespace {

// The icon at the small sizes that menus and panels use, laid out on whole pixels so that
// every edge is sharp: a frame, flat felt with a groove between the squares, and flat disks
// with one highlight. The widths across add up to the size: 2 * (outline + wood + margin +
// disk) + gap.
struct SmallIcon {
    int size, outline, wood, margin, disk, gap;
    float radius;
};
const SmallIcon SMALL_ICONS[] = {
    {16, 1, 1, 0, 5, 2, 3.0f},
    {24, 1, 2, 1, 7, 2, 4.0f},
    {32, 1, 3, 1, 10, 2, 5.0f},
};

// Area coverage comes from supersampling alone, so an edge on a pixel boundary stays sharp.
float inside(float distance) {
    return distance < 0.0f ? 1.0f : 0.0f;
}

Canvas makeSmallIcon(const SmallIcon& icon) {
    const float size = static_cast<float>(icon.size);
    const float woodEdge = static_cast<float>(icon.outline), feltEdge = woodEdge + icon.wood;
    const float centre = size * 0.5f;
    const float first = feltEdge + icon.margin + icon.disk * 0.5f, second = size - first;
    const float radius = icon.disk * 0.5f;
    Canvas canvas(icon.size, icon.size);
    canvas.paint([&](float x, float y) {
        Rgba c =
            scaled(rgb(40, 20, 8), inside(roundedBoxDistance(x, y, 0, 0, size, size, icon.radius)));
        Rgba frame = mixed(rgb(214, 146, 80), rgb(112, 62, 28), y / size);
        c = over(scaled(frame, inside(roundedBoxDistance(x, y, woodEdge, woodEdge, size - woodEdge,
                                                         size - woodEdge, icon.radius - woodEdge))),
                 c);
        // From two pixels of wood up, the inner one is the shadow of the frame's lip.
        if (icon.wood >= 2) {
            float lip = feltEdge - 1.0f;
            c = over(scaled(rgb(60, 30, 10), inside(roundedBoxDistance(x, y, lip, lip, size - lip,
                                                                       size - lip, 1.5f))),
                     c);
        }
        Rgba cloth = mixed(rgb(40, 138, 84), rgb(26, 104, 62), y / size);
        if (icon.gap >= 2 && icon.wood >= 2) {
            // The groove: a dark line with a lit edge below and right of it.
            if ((x >= centre - 1.0f && x < centre) || (y >= centre - 1.0f && y < centre))
                cloth = rgb(12, 56, 32);
            else if ((x >= centre && x < centre + 1.0f) || (y >= centre && y < centre + 1.0f))
                cloth = rgb(56, 150, 96);
        }
        return over(
            scaled(cloth, inside(roundedBoxDistance(x, y, feltEdge, feltEdge, size - feltEdge,
                                                    size - feltEdge, 1.0f))),
            c);
    });
    const struct {
        float x, y;
        DiskColour colour;
    } disks[] = {{first, first, DiskColour::Red},
                 {second, first, DiskColour::Blue},
                 {first, second, DiskColour::Blue},
                 {second, second, DiskColour::Red}};
    for (const auto& disk : disks) {
        const bool red = disk.colour == DiskColour::Red;
        const Rgba base = red ? rgb(222, 44, 50) : rgb(44, 104, 226);
        const Rgba rim = red ? rgb(110, 10, 16) : rgb(12, 34, 104);
        canvas.paint([&](float x, float y) {
            float dx = x - disk.x, dy = y - disk.y;
            float d = std::hypot(dx, dy);
            // Lit from the upper left: the lower right half darkens towards a one-pixel rim.
            float away = (dx + dy) / (radius * 1.414f);
            Rgba c = scaled(base, 1.0f - 0.18f * away);
            c.a = 1.0f;
            c = mixed(c, rim, (0.45f + 0.35f * away) * inside(radius - 1.0f - d));
            float spot = std::hypot(dx + 0.35f * radius, dy + 0.35f * radius);
            c = over(rgb(255, 255, 255, 0.65f * inside(spot - std::max(0.75f, 0.28f * radius))), c);
            return scaled(c, inside(d - radius));
        });
    }
    return canvas;
}

}  // namespace

Canvas makeIcon(int size) {
    for (const SmallIcon& icon : SMALL_ICONS) {
        if (icon.size == size) return makeSmallIcon(icon);
    }
    // Drawn on the window icon's coordinates times the scale, so every larger size is the
    // same picture; the felt's fibres stay pixel-sized, like the board's squares.
    const float s = size / static_cast<float>(ART_ICON_SIZE);
    const Noise noise(91);
    Canvas canvas(size, size);
    canvas.paint([&](float x, float y) {
        float d = roundedBoxDistance(x, y, 1 * s, 1 * s, 63 * s, 63 * s, 11 * s);
        float inner = roundedBoxDistance(x, y, 7 * s, 7 * s, 57 * s, 57 * s, 4 * s);
        Rgba frame = mixed(rgb(200, 132, 70), rgb(112, 62, 28), y / size);
        Rgba c = scaled(rgb(40, 20, 8), coverage(d));
        c = over(scaled(frame, coverage(d + 1.5f * s)), c);
        c = over(scaled(rgb(30, 14, 4), coverage(inner - 1.0f * s)), c);
        Rgba felt = feltAt(noise, x, y);
        if (std::fabs(x - 32.0f * s) < 0.75f * s || std::fabs(y - 32.0f * s) < 0.75f * s)
            felt = rgb(12, 52, 30);
        c = over(scaled(felt, coverage(inner)), c);
        return c;
    });
    paintDisk(canvas, 19.5f * s, 19.5f * s, 10.5f * s, DiskColour::Red);
    paintDisk(canvas, 44.5f * s, 19.5f * s, 10.5f * s, DiskColour::Blue);
    paintDisk(canvas, 19.5f * s, 44.5f * s, 10.5f * s, DiskColour::Blue);
    paintDisk(canvas, 44.5f * s, 44.5f * s, 10.5f * s, DiskColour::Red);
    return canvas;
}

Canvas makeLoading(ALLEGRO_FONT* titleFont, ALLEGRO_FONT* captionFont) {
    const int w = 400, h = 300;
    const Noise noise(5);
    Canvas canvas = makeWood(w, h, false);
    // A bevelled edge so the picture reads as a plaque on the dark window.
    canvas.paint(
        [&](float x, float y) {
            float d = -roundedBoxDistance(x, y, 0, 0, w, h, 0);
            if (d < 2.0f) return rgb(30, 16, 6, 0.95f);
            if (d < 4.0f) return rgb(255, 220, 170, 0.25f);
            return rgb(20, 10, 4, 0.3f * (1.0f - smoothstep(4.0f, 14.0f, d)));
        },
        2);

    paintLettering(canvas, textMask(titleFont, "Tilecrest", w, 100, w * 0.5f, 50.0f), STYLE_TITLE,
                   0, 40);

    // A strip of felt with four disks, as on the board.
    canvas.paint(
        [&](float x, float y) {
            float d = roundedBoxDistance(x, y, 96, 150, 304, 206, 10);
            Rgba c = scaled(rgb(30, 14, 4, 0.9f), coverage(d - 1.5f));
            return over(scaled(feltAt(noise, x, y), coverage(d)), c);
        },
        3, 80, 140, 320, 216);
    const DiskColour order[] = {DiskColour::Red, DiskColour::Blue, DiskColour::Red,
                                DiskColour::Blue};
    for (int i = 0; i < 4; ++i) paintDisk(canvas, 128.0f + 48.0f * i, 177.5f, 19.5f, order[i]);

    paintLettering(canvas, textMask(captionFont, "Loading...", w, 40, w * 0.5f, 20.0f),
                   STYLE_CAPTION, 0, 234);
    return canvas;
}
