#include "resources/Bitmap.h"

#include "base/Log.h"
#include "base/ObjectCounters.h"

namespace dLibrary {

namespace {

// Decodes into a memory bitmap, then converts it to the library's default kind. Allegro's
// PNG loader leaves a locked bitmap behind when a file ends early; left among the
// display's bitmaps it hangs al_destroy_display, while a memory bitmap is harmless. A
// picture of a size outside `sizes` is dropped before it is converted.
ALLEGRO_BITMAP* decodeBitmap(const std::string& fileName, const BitmapSizes& sizes) {
    const int defaultFlags = al_get_new_bitmap_flags();
    al_set_new_bitmap_flags(defaultFlags | ALLEGRO_MEMORY_BITMAP);
    ALLEGRO_BITMAP* bitmap = al_load_bitmap(fileName.c_str());
    al_set_new_bitmap_flags(defaultFlags);
    if (bitmap == nullptr) return nullptr;
    const int32_t width = al_get_bitmap_width(bitmap), height = al_get_bitmap_height(bitmap);
    if (width < sizes.minWidth || width > sizes.maxWidth || height < sizes.minHeight ||
        height > sizes.maxHeight) {
        al_destroy_bitmap(bitmap);
        return nullptr;
    }
    al_convert_bitmap(bitmap);
    return bitmap;
}

}  // namespace

ALLEGRO_BITMAP* createBitmap(int32_t width, int32_t height) {
    gLog << "Bitmap " << width << "x" << height << " ";
    ALLEGRO_BITMAP* bitmap = al_create_bitmap(width, height);
    if (bitmap != nullptr) {
        ++objectsCreated;
    } else {
        gLog << "could not be ";
    }
    gLog << "created";
    gLog.endLine();
    return bitmap;
}

ALLEGRO_BITMAP* loadBitmap(std::string fileName, bool keyMagenta, const BitmapSizes& sizes) {
    gLog << "Bitmap \"" << fileName << "\" ";
    ALLEGRO_BITMAP* bitmap = decodeBitmap(fileName, sizes);
    if (bitmap != nullptr) {
        ++objectsCreated;
        if (keyMagenta) al_convert_mask_to_alpha(bitmap, al_map_rgb(255, 0, 255));
    } else {
        gLog << "could not be ";
    }
    gLog << "loaded";
    gLog.endLine();
    return bitmap;
}

void destroyBitmap(ALLEGRO_BITMAP* bitmap) {
    if (bitmap == nullptr) return;
    gLog << "Bitmap destroyed";
    gLog.endLine();
    ++objectsFreed;
    al_destroy_bitmap(bitmap);
}

}  // namespace dLibrary
