#include "tools/soak/HeadlessAllegro.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_primitives.h>
#include <allegro5/allegro_ttf.h>

#include "app/AssetManifest.h"
#include "resources/Registry.h"

std::string startHeadless() {
    if (!al_init()) return "al_init failed";
    if (!al_init_image_addon()) return "the image addon failed";
    al_init_font_addon();
    if (!al_init_ttf_addon()) return "the ttf addon failed";
    if (!al_init_primitives_addon()) return "the primitives addon failed";
    // The build lays data/ beside the executable, as for the game itself.
    if (ALLEGRO_PATH* path = al_get_standard_path(ALLEGRO_RESOURCES_PATH)) {
        al_change_directory(al_path_cstr(path, ALLEGRO_NATIVE_PATH_SEP));
        al_destroy_path(path);
    }
    if (loadResources() != 0) return "the resources could not be loaded from data/";
    return "";
}

void stopHeadless() {
    dLibrary::destroyResources();
}
