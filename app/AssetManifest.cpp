#include "app/AssetManifest.h"

#include <string>
#include <utility>

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>

#include "base/Log.h"
#include "base/ObjectCounters.h"
#include "resources/Bitmap.h"
#include "resources/NinePatch.h"
#include "resources/Registry.h"
#include "resources/ResourceIds.h"
#include "resources/SharedTexture.h"

namespace {

std::string failure;

// Ends a section at a row that failed, keeping what failed for loadFailure.
int32_t fail(std::string what) {
    failure = std::move(what);
    return -1;
}

std::string couldNotLoad(const char* what, const std::string& path) {
    return std::string(what) + " \"" + path + "\" could not be loaded";
}

dLibrary::BitmapSizes sizesOf(int32_t id) {
    for (const BitmapLimit* limit = bitmapLimits; limit->id >= 0; ++limit)
        if (limit->id == id) return limit->sizes;
    return {};
}

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

bool drawnInFrames(int32_t id) {
    return id != RES_ICON && id != RES_MOUSE;
}

const std::string& loadFailure() {
    return failure;
}

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
                bitmap = dLibrary::loadBitmap(path, entry->key, sizesOf(entry->id));
                break;
            case ENTRY_RENDER_NINE_PATCH:
                bitmap = renderNinePatch(*entry, path);
                break;
        }
        // A bitmap's own line names it; a nine-patch ends its lines with a bare "failed!".
        if (bitmap == nullptr)
            return fail(entry->kind == ENTRY_RENDER_NINE_PATCH ? couldNotLoad("Nine patch", path)
                                                               : gLog.lastLine());
        if (entry->kind != ENTRY_CREATE && drawnInFrames(entry->id)) {
            bitmap = dLibrary::moveToSharedTexture(bitmap);
        }
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
        if (font == nullptr) return fail(couldNotLoad("Font", path));
        ++objectsCreated;
        registerPayload(entry->id, dLibrary::TYPE_FONT, font);
    }
    return 0;
}

int32_t loadNinePatches() {
    for (const NinePatchEntry* entry = ninePatchEntries; entry->id >= 0; ++entry) {
        dLibrary::dNinePatch* ninePatch = dLibrary::dNinePatch::createFromFile(entry->fileName);
        if (ninePatch == nullptr) return fail(couldNotLoad("Nine patch", entry->fileName));
        dLibrary::moveToSharedTexture(*ninePatch);
        dLibrary::registerResource(entry->id, ninePatch);
    }
    return 0;
}
