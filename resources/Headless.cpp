#include "resources/Headless.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_primitives.h>
#include <allegro5/allegro_ttf.h>

bool initHeadlessAllegro() {
    return al_init() && al_init_image_addon() && al_init_font_addon() && al_init_ttf_addon() &&
           al_init_primitives_addon();
}
