// Nine-patch frames: the message box frame and the four button faces. Each picture has
// a two-pixel border whose row 0 and column 0 mark the stretchable band in black on
// magenta. Inside the band every row and every column is identical, since the game
// stretches it without filtering.
#include "tools/artwork/Art.h"
#include "tools/artwork/Shapes.h"

namespace {

struct FrameStyle {
    int corner;  // width and height of each corner piece
    int band;    // width and height of the stretchable band
    float radius;
    Rgba outline;
    float outlineWidth;
    Rgba rimTop, rimBottom;  // the ring inside the outline
    float rimWidth;
    Rgba faceTop, faceBottom;  // the face, shaded only inside the corner rows
    float gloss;               // white sheen over the top corner rows
    float innerShadow;         // a pressed-in shade below the top edge
};

FrameStyle styleOf(Frame frame) {
    switch (frame) {
        case Frame::Message:
            return {16,
                    8,
                    12.0f,
                    rgb(26, 16, 8),
                    1.0f,
                    rgb(252, 222, 140),
                    rgb(178, 122, 50),
                    2.5f,
                    rgb(34, 46, 76, 0.95f),
                    rgb(20, 28, 50, 0.95f),
                    0.10f,
                    0.0f};
        case Frame::Button:
            return {10,
                    4,
                    7.0f,
                    rgb(10, 22, 60),
                    1.0f,
                    rgb(130, 180, 255),
                    rgb(36, 70, 160),
                    1.0f,
                    rgb(62, 116, 214),
                    rgb(30, 66, 160),
                    0.32f,
                    0.0f};
        case Frame::ButtonHover:
            return {10,
                    4,
                    7.0f,
                    rgb(60, 36, 0),
                    1.0f,
                    rgb(255, 226, 120),
                    rgb(230, 160, 40),
                    2.0f,
                    rgb(66, 138, 236),
                    rgb(34, 90, 196),
                    0.38f,
                    0.0f};
        case Frame::ButtonPush:
            return {10,
                    4,
                    7.0f,
                    rgb(6, 12, 36),
                    1.0f,
                    rgb(18, 38, 96),
                    rgb(60, 100, 190),
                    1.0f,
                    rgb(16, 40, 104),
                    rgb(28, 60, 140),
                    0.0f,
                    0.55f};
        case Frame::ButtonDisabled:
            break;
    }
    // Disabled: flat dark slate without gloss. Its label keeps the light blue, so the face
    // is dark enough for a contrast of at least 4.5:1 under every pixel of the label.
    return {10,
            4,
            7.0f,
            rgb(26, 28, 34),
            1.0f,
            rgb(96, 101, 112),
            rgb(60, 64, 74),
            1.0f,
            rgb(62, 66, 76),
            rgb(54, 58, 66),
            0.0f,
            0.0f};
}

// 0 in the top corner rows' first pixel, 1 at the band and beyond: shading changes only
// where the picture is never stretched vertically.
float topRamp(float y, int corner) {
    return clamp01(y / corner);
}
float bottomRamp(float y, int corner, int size) {
    return clamp01((y - (size - corner)) / corner);
}

}  // namespace

Canvas makeFrame(Frame frame) {
    const FrameStyle s = styleOf(frame);
    const int size = s.corner * 2 + s.band;
    Canvas canvas(size + 4, size + 4);
    const float edge = static_cast<float>(size);
    canvas.paint([&](float px, float py) {
        float x = px - 2.0f, y = py - 2.0f;
        if (x < 0 || y < 0 || x >= edge || y >= edge) return Rgba{};
        float d = roundedBoxDistance(x, y, 0, 0, edge, edge, s.radius);
        float top = topRamp(y, s.corner), bottom = bottomRamp(y, s.corner, size);
        // Rim and face colours: a gradient through the top and bottom corner rows only.
        float t = 0.5f * top + 0.5f * bottom;
        Rgba rim = mixed(s.rimTop, s.rimBottom, t);
        Rgba face = mixed(s.faceTop, s.faceBottom, t);
        face = over(rgb(255, 255, 255, s.gloss * (1.0f - top) * (1.0f - top)), face);
        face = over(rgb(0, 0, 10, s.innerShadow * (1.0f - top)), face);

        Rgba c = scaled(s.outline, coverage(d));
        c = over(scaled(rim, coverage(d + s.outlineWidth)), c);
        c = over(scaled(face, coverage(d + s.outlineWidth + s.rimWidth)), c);
        return c;
    });
    // The markers: row 0 and column 0 black across the band, magenta (left transparent,
    // saved as the key) elsewhere.
    for (int i = 2 + s.corner; i < 2 + s.corner + s.band; ++i) {
        canvas.at(i, 0) = rgb(0, 0, 0);
        canvas.at(0, i) = rgb(0, 0, 0);
    }
    return canvas;
}
