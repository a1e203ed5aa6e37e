#include "screen/ShadowText.h"

#include <allegro5/allegro_font.h>

#include "resources/Lookup.h"
#include "resources/ResourceIds.h"

void drawShadowText(int32_t colorId, int32_t x, int32_t y, const std::string& text) {
    using namespace dLibrary;
    ALLEGRO_FONT* font = fontResource(RES_FONT);
    al_draw_text(font, colorResource(RES_COLOR_BLACK), x + 1, y + 1, ALLEGRO_ALIGN_CENTRE,
                 text.c_str());
    al_draw_text(font, colorResource(colorId), x, y, ALLEGRO_ALIGN_CENTRE, text.c_str());
}
