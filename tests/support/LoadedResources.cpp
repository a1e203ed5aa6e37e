#include "support/LoadedResources.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_primitives.h>
#include <allegro5/allegro_ttf.h>

#include "app/AssetManifest.h"
#include "resources/Registry.h"

void LoadedResources::SetUp() {
    ASSERT_TRUE(al_init());
    ASSERT_TRUE(al_init_image_addon());
    al_init_font_addon();
    ASSERT_TRUE(al_init_ttf_addon());
    ASSERT_TRUE(al_init_primitives_addon());
    ASSERT_TRUE(al_change_directory(TILECREST_DATA_ROOT));
    ASSERT_EQ(loadResources(), 0) << "the artwork must be built into " TILECREST_DATA_ROOT "/data";
}

void LoadedResources::TearDown() { dLibrary::destroyResources(); }
