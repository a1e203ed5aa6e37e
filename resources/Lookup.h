#pragma once

#include <cstdint>

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>

#include "resources/NinePatch.h"
#include "resources/Registry.h"

// Typed lookups for drawing code, which fetches its resources by id at every use and
// keeps no handles. Only ids that the asset manifest registers with that kind are valid.
namespace dLibrary {

inline ALLEGRO_BITMAP* bitmapResource(int32_t id) {
    return static_cast<ALLEGRO_BITMAP*>(getData(id));
}

inline ALLEGRO_FONT* fontResource(int32_t id) {
    return static_cast<ALLEGRO_FONT*>(getData(id));
}

inline ALLEGRO_COLOR colorResource(int32_t id) {
    return *static_cast<ALLEGRO_COLOR*>(getData(id));
}

inline dNinePatch& ninePatchResource(int32_t id) {
    return *static_cast<dNinePatch*>(getResource(id));
}

}  // namespace dLibrary
