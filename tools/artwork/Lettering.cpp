#include "tools/artwork/Lettering.h"

// The mask covers the canvas region starting at (x0, y0).
void paintLettering(Canvas& canvas, const Mask& glyphs, const Lettering& style, int x0, int y0) {
    const Mask outline = glyphs.dilated(style.outlineWidth);
    const Mask shadow = outline.blurred(1);
    const int w = glyphs.width(), h = glyphs.height();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int cx = x0 + x, cy = y0 + y;
            if (cx < 0 || cy < 0 || cx >= canvas.width() || cy >= canvas.height()) continue;
            Rgba pixel = canvas.at(cx, cy);
            pixel = over(rgb(0, 0, 0, style.shadowAlpha * shadow.at(x - 1, y - 2)), pixel);
            pixel = over(scaled(style.outline, outline.at(x, y)), pixel);
            Rgba fill = mixed(style.top, style.bottom, (y + 0.5f) / h);
            pixel = over(scaled(fill, glyphs.at(x, y)), pixel);
            canvas.at(cx, cy) = pixel;
        }
    }
}
