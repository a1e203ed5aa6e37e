// Writes the game's artwork as PNG files into the folder given on the command line, using
// the game's own font for lettering: exactly the files the asset manifest lists, and the
// loading picture. With --icons it writes the desktop icons at the sizes given instead
// ("icon-48.png" and so on). Needs no display: everything is drawn into memory bitmaps, and
// the same program always writes the same pictures.
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <allegro5/allegro_font.h>

#include "app/AssetTables.h"
#include "resources/Headless.h"
#include "screen/Layout.h"
#include "tools/artwork/Art.h"

namespace {

std::string baseName(const std::string& path) {
    return path.substr(path.find_last_of('/') + 1);
}

struct Fonts {
    ALLEGRO_FONT* strip;
    ALLEGRO_FONT* digit;
    ALLEGRO_FONT* title;
    ALLEGRO_FONT* caption;
};

using Painter = std::function<Canvas()>;

// The painter of each resource the manifest loads from a file, by its id.
std::map<int32_t, Painter> painters(const Fonts& fonts) {
    return {
        {RES_ICON, [] { return makeIcon(ART_ICON_SIZE); }},
        {RES_MOUSE, makeMouse},
        {RES_WOOD, [] { return makeWood(LAYOUT_SCREEN_WIDTH, LAYOUT_SCREEN_HEIGHT, true); }},
        {RES_GRID_ALPHA, [&] { return makeStrip(fonts.strip, true); }},
        {RES_GRID_NUMERIC, [&] { return makeStrip(fonts.strip, false); }},
        {RES_CELL, [] { return makeCell(false); }},
        {RES_RED_DISK, [] { return makeDiskImage(DiskColour::Red); }},
        {RES_BLUE_DISK, [] { return makeDiskImage(DiskColour::Blue); }},
        {RES_SELECT, makeSelect},
        {RES_HIGHLIGHT, [] { return makeCell(true); }},
        {RES_DIGITS, [&] { return makeDigits(fonts.digit); }},
        {RES_SCORE, makeScore},
        {RES_ARROW, makeArrow},
        {RES_MESSAGE, [] { return makeFrame(Frame::Message); }},
        {RES_BUTTON, [] { return makeFrame(Frame::Button); }},
        {RES_BUTTON_PUSH, [] { return makeFrame(Frame::ButtonPush); }},
        {RES_BUTTON_HOVER, [] { return makeFrame(Frame::ButtonHover); }},
        {RES_BUTTON_DISABLED, [] { return makeFrame(Frame::ButtonDisabled); }},
    };
}

bool write(const std::string& folder, const std::string& fileName, const Canvas& canvas,
           bool magentaKey = true) {
    const std::string path = folder + "/" + baseName(fileName);
    if (canvas.save(path, magentaKey)) return true;
    std::fprintf(stderr, "tilecrest-artwork: cannot write %s\n", path.c_str());
    return false;
}

// Writes every file of the manifest's tables, and the loading picture.
bool writeGameArtwork(const std::string& folder, const Fonts& fonts) {
    const std::map<int32_t, Painter> painterOf = painters(fonts);
    std::vector<std::pair<int32_t, const char*>> files;
    for (const BitmapEntry* entry = bitmapEntries; entry->id >= 0; ++entry) {
        if (entry->kind != ENTRY_CREATE) files.emplace_back(entry->id, entry->fileName);
    }
    for (const NinePatchEntry* entry = ninePatchEntries; entry->id >= 0; ++entry) {
        files.emplace_back(entry->id, entry->fileName);
    }
    for (const auto& [id, fileName] : files) {
        const auto painter = painterOf.find(id);
        if (painter == painterOf.end()) {
            std::fprintf(stderr, "tilecrest-artwork: nothing draws %s\n", fileName);
            return false;
        }
        if (!write(folder, fileName, painter->second())) return false;
    }
    return write(folder, FILE_LOADING_PICTURE, makeLoading(fonts.title, fonts.caption));
}

// Desktop icons carry real transparency: the magenta key is the game's convention only.
bool writeDesktopIcons(const std::string& folder, int count, char** sizes) {
    for (int i = 0; i < count; ++i) {
        const int size = std::atoi(sizes[i]);
        if (size < 16 || size > 1024) {
            std::fprintf(stderr, "tilecrest-artwork: no icon size %s\n", sizes[i]);
            return false;
        }
        if (!write(folder, "icon-" + std::to_string(size) + ".png", makeIcon(size), false)) {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const bool icons = argc >= 3 && std::string(argv[1]) == "--icons";
    if (!icons && argc != 3) {
        std::fprintf(stderr,
                     "usage: tilecrest-artwork FONT.ttf OUTPUT_FOLDER\n"
                     "       tilecrest-artwork --icons OUTPUT_FOLDER SIZE...\n");
        return 2;
    }
    if (!initHeadlessAllegro()) {
        std::fprintf(stderr, "tilecrest-artwork: Allegro could not be initialised\n");
        return 1;
    }
    if (icons) return writeDesktopIcons(argv[2], argc - 3, argv + 3) ? 0 : 1;
    const std::string fontFile = argv[1];
    const Fonts fonts = {
        al_load_font(fontFile.c_str(), 22, 0), al_load_font(fontFile.c_str(), 38, 0),
        al_load_font(fontFile.c_str(), 64, 0), al_load_font(fontFile.c_str(), 20, 0)};
    const bool loaded = fonts.strip && fonts.digit && fonts.title && fonts.caption;
    if (!loaded) std::fprintf(stderr, "tilecrest-artwork: cannot load font %s\n", fontFile.c_str());
    const bool ok = loaded && writeGameArtwork(argv[2], fonts);
    for (ALLEGRO_FONT* font : {fonts.strip, fonts.digit, fonts.title, fonts.caption}) {
        if (font) al_destroy_font(font);
    }
    return ok ? 0 : 1;
}
