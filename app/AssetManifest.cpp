#include "app/AssetManifest.h"

#include <string>

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>
#include <allegro5/allegro_ttf.h>

#include "resources/Bitmap.h"
#include "resources/NinePatch.h"
#include "resources/Registry.h"
#include "resources/ResourceIds.h"
#include "rules/ObjectCounters.h"

const BitmapEntry bitmapEntries[] = {
    {RES_SCREEN, ENTRY_CREATE, "", 800, 600, true},
    {RES_SPARE_SCREEN, ENTRY_CREATE, "", 800, 600, true},
    {RES_ICON, ENTRY_LOAD, "icon.png", 0, 0, true},
    {RES_MOUSE, ENTRY_LOAD, "mouse.png", 0, 0, true},
    {RES_WOOD, ENTRY_LOAD, "wood.png", 0, 0, true},
    {RES_GRID_ALPHA, ENTRY_LOAD, "grid_alpha.png", 0, 0, true},
    {RES_GRID_NUMERIC, ENTRY_LOAD, "grid_numeric.png", 0, 0, true},
    {RES_CELL, ENTRY_LOAD, "cell.png", 0, 0, true},
    {RES_RED_DISK, ENTRY_LOAD, "red_disk.png", 0, 0, true},
    {RES_BLUE_DISK, ENTRY_LOAD, "blue_disk.png", 0, 0, true},
    {RES_SELECT, ENTRY_LOAD, "select.png", 0, 0, true},
    {RES_HIGHLIGHT, ENTRY_LOAD, "highlight.png", 0, 0, true},
    {RES_DIGITS, ENTRY_LOAD, "digits.png", 0, 0, true},
    {RES_SCORE, ENTRY_LOAD, "score.png", 0, 0, true},
    {RES_ARROW, ENTRY_LOAD, "arrow.png", 0, 0, true},
    {-1, ENTRY_CREATE, "", 0, 0, false},
};

const ColorEntry colorEntries[] = {
    {RES_COLOR_MAGENTA, 255, 0, 255},
    {RES_COLOR_WHITE, 255, 255, 255},
    {RES_COLOR_LIGHT_BLUE, 64, 192, 255},
    {RES_COLOR_BLACK, 0, 0, 0},
    {-1, 0, 0, 0},
};

const FontEntry fontEntries[] = {
    {RES_FONT, "arlrdbd.ttf", 16, ALLEGRO_TTF_NO_KERNING},
    {-1, "", 0, 0},
};

const NinePatchEntry ninePatchEntries[] = {
    {RES_MESSAGE, "data/bitmaps/message.png"},
    {RES_BUTTON, "data/bitmaps/button.png"},
    {RES_BUTTON_PUSH, "data/bitmaps/button_push.png"},
    {RES_BUTTON_HOVER, "data/bitmaps/button_hover.png"},
    {RES_BUTTON_DISABLED, "data/bitmaps/button_disabled.png"},
    {-1, ""},
};

namespace {

void registerPayload(int32_t id, int32_t type, void* data) {
    auto* wrapper = new dLibrary::dAllegroResource();
    ++objectsCreated;
    wrapper->type = type;
    wrapper->data = data;
    dLibrary::registerResource(id, wrapper);
}

ALLEGRO_BITMAP* renderNinePatch(const BitmapEntry& entry, const std::string& path) {
    dLibrary::dNinePatch* ninePatch = dLibrary::dNinePatch::createFromFile(path);
    if (ninePatch == nullptr) return nullptr;
    ALLEGRO_BITMAP* bitmap = dLibrary::createBitmap(entry.width, entry.height);
    if (bitmap != nullptr) {
        ALLEGRO_BITMAP* previousTarget = al_get_target_bitmap();
        al_set_target_bitmap(bitmap);
        ninePatch->draw(0, 0, entry.width, entry.height);
        al_set_target_bitmap(previousTarget);
    }
    ++objectsFreed;
    delete ninePatch;
    return bitmap;
}

}  // namespace

int32_t loadResources() {
    dLibrary::setDestroyFunction(dLibrary::TYPE_BITMAP, al_destroy_bitmap);
    dLibrary::setDestroyFunction(dLibrary::TYPE_FONT, al_destroy_font);
    if (loadBitmaps() < 0) return -1;
    loadColors();
    if (loadFonts() < 0) return -1;
    if (loadNinePatches() < 0) return -1;
    return 0;
}

int32_t loadBitmaps() {
    for (const BitmapEntry* entry = bitmapEntries; entry->id >= 0; ++entry) {
        const std::string path = std::string("data/bitmaps/") + entry->fileName;
        ALLEGRO_BITMAP* bitmap = nullptr;
        switch (entry->kind) {
            case ENTRY_CREATE:
                bitmap = dLibrary::createBitmap(entry->width, entry->height);
                break;
            case ENTRY_LOAD:
                bitmap = dLibrary::loadBitmap(path, entry->key);
                break;
            case ENTRY_RENDER_NINE_PATCH:
                bitmap = renderNinePatch(*entry, path);
                break;
        }
        if (bitmap == nullptr) return -1;
        registerPayload(entry->id, dLibrary::TYPE_BITMAP, bitmap);
    }
    return 0;
}

int32_t loadColors() {
    for (const ColorEntry* entry = colorEntries; entry->id >= 0; ++entry) {
        auto* color = new ALLEGRO_COLOR(al_map_rgb(entry->red, entry->green, entry->blue));
        ++objectsCreated;
        registerPayload(entry->id, dLibrary::TYPE_COLOR, color);
    }
    return 0;
}

int32_t loadFonts() {
    for (const FontEntry* entry = fontEntries; entry->id >= 0; ++entry) {
        const std::string path = std::string("data/fonts/") + entry->fileName;
        ALLEGRO_FONT* font = al_load_font(path.c_str(), entry->size, entry->flags);
        if (font == nullptr) return -1;
        ++objectsCreated;
        registerPayload(entry->id, dLibrary::TYPE_FONT, font);
    }
    return 0;
}

int32_t loadNinePatches() {
    for (const NinePatchEntry* entry = ninePatchEntries; entry->id >= 0; ++entry) {
        dLibrary::dNinePatch* ninePatch = dLibrary::dNinePatch::createFromFile(entry->fileName);
        if (ninePatch == nullptr) return -1;
        dLibrary::registerResource(entry->id, ninePatch);
    }
    return 0;
}
