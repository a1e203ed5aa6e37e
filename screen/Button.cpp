#include "screen/Button.h"

#include <allegro5/allegro_font.h>

#include "resources/Lookup.h"
#include "resources/ResourceIds.h"
#include "screen/ShadowText.h"

int32_t Button::fittedWidth(const std::string& text) {
    using namespace dLibrary;
    const dNinePatch& frame = ninePatchResource(RES_BUTTON);
    return frame.borderWidth() + al_get_text_width(fontResource(RES_FONT), text.c_str());
}

int32_t Button::fittedHeight() {
    using namespace dLibrary;
    const dNinePatch& frame = ninePatchResource(RES_BUTTON);
    return frame.borderHeight() + al_get_font_line_height(fontResource(RES_FONT));
}

void Button::create(const std::string& text, int32_t actionId, int32_t left, int32_t top, int32_t w,
                    int32_t h) {
    id = actionId;
    x = left;
    y = top;
    width = w < 0 ? fittedWidth(text) : w;
    height = h < 0 ? fittedHeight() : h;
    label = text;
    kind = KIND_BUTTON;
    visible = true;
    enabled = true;
    labelX = x + width / 2;
    labelY = y + (height - al_get_font_line_height(dLibrary::fontResource(RES_FONT))) / 2;
}

void Button::draw(DrawState state) {
    int32_t frame = RES_BUTTON;
    int32_t textColor = RES_COLOR_WHITE;
    if (!enabled) {
        frame = RES_BUTTON_DISABLED;
        textColor = RES_COLOR_LIGHT_BLUE;
    } else if (state == DRAW_PUSHED) {
        frame = RES_BUTTON_PUSH;
    } else if (state == DRAW_HOVER) {
        frame = RES_BUTTON_HOVER;
    }
    dLibrary::ninePatchResource(frame).draw(x, y, width, height);
    drawShadowText(textColor, labelX, labelY, label);
}
