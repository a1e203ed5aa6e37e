#include "resources/SharedTexture.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace dLibrary {

namespace {

// Room for the 800 by 600 wood and every smaller picture beside and below it.
constexpr int32_t TEXTURE_SIZE = 1024;

// Pictures are filled in shelf by shelf: left to right along a shelf, whose height is that
// of its tallest picture, and a new shelf below when a picture does not fit beside.
struct Shelves {
    ALLEGRO_BITMAP* texture = nullptr;
    bool unavailable = false;  // creating it failed once; not tried again
    int32_t x = 0, y = 0, height = 0;
} shared;

bool reserve(int32_t width, int32_t height, int32_t& x, int32_t& y) {
    if (shared.x + width > TEXTURE_SIZE) {
        shared.y += shared.height;
        shared.x = shared.height = 0;
    }
    if (width > TEXTURE_SIZE || shared.y + height > TEXTURE_SIZE) return false;
    x = shared.x;
    y = shared.y;
    shared.x += width;
    shared.height = std::max(shared.height, height);
    return true;
}

// Copies the picture to (x + 1, y + 1) and repeats its edge pixels once around it, so that
// a sample that strays past an edge reads the edge, as a texture of its own would (clamped),
// and never the neighbouring picture.
bool copyFramed(ALLEGRO_BITMAP* picture, int32_t x, int32_t y) {
    const int32_t width = al_get_bitmap_width(picture);
    const int32_t height = al_get_bitmap_height(picture);
    const int format = al_get_bitmap_format(shared.texture);
    ALLEGRO_LOCKED_REGION* from = al_lock_bitmap(picture, format, ALLEGRO_LOCK_READONLY);
    if (from == nullptr) return false;
    ALLEGRO_LOCKED_REGION* to = al_lock_bitmap_region(shared.texture, x, y, width + 2, height + 2,
                                                      format, ALLEGRO_LOCK_WRITEONLY);
    if (to == nullptr) {
        al_unlock_bitmap(picture);
        return false;
    }
    const int32_t size = to->pixel_size;
    for (int32_t row = 0; row < height + 2; ++row) {
        const int32_t sourceRow = std::clamp(row - 1, 0, height - 1);
        const char* source = static_cast<const char*>(from->data) + sourceRow * from->pitch;
        char* target = static_cast<char*>(to->data) + row * to->pitch;
        std::memcpy(target, source, size);
        std::memcpy(target + size, source, static_cast<size_t>(width) * size);
        std::memcpy(target + (width + 1) * size, source + (width - 1) * size, size);
    }
    al_unlock_bitmap(shared.texture);
    al_unlock_bitmap(picture);
    return true;
}

}  // namespace

ALLEGRO_BITMAP* moveToSharedTexture(ALLEGRO_BITMAP* picture) {
    if (shared.texture == nullptr && !shared.unavailable) {
        shared.texture = al_create_bitmap(TEXTURE_SIZE, TEXTURE_SIZE);
        shared.unavailable = shared.texture == nullptr;
    }
    if (shared.texture == nullptr) return picture;
    const int32_t width = al_get_bitmap_width(picture);
    const int32_t height = al_get_bitmap_height(picture);
    int32_t x = 0, y = 0;
    if (!reserve(width + 2, height + 2, x, y) || !copyFramed(picture, x, y)) return picture;
    ALLEGRO_BITMAP* moved = al_create_sub_bitmap(shared.texture, x + 1, y + 1, width, height);
    if (moved == nullptr) return picture;
    // Not counted: the sub-bitmap carries on the picture's count.
    al_destroy_bitmap(picture);
    return moved;
}

void moveToSharedTexture(dNinePatch& ninePatch) {
    if (!ninePatch.valid) return;
    for (ALLEGRO_BITMAP*& piece : ninePatch.pieces) piece = moveToSharedTexture(piece);
}

void destroySharedTexture() {
    if (shared.texture != nullptr) al_destroy_bitmap(shared.texture);
    shared = Shelves{};
}

}  // namespace dLibrary
