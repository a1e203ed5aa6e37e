// Writes the game's artwork as PNG files into the folder given on the command line, using
// the game's own font for lettering: exactly the files the asset manifest lists, and the
// loading picture. Needs no display: everything is drawn into memory bitmaps, and the same
// program always writes the same pictures.
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <allegro5/allegro_font.h>

#include "app/AssetTables.h"
#include "resources/Headless.h"
#include "screen/Layout.h"
#include "tools/artwork/Art.h"

namespace {

std::string baseName(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

// Every file the game loads from data/bitmaps, in manifest order.
std::vector<std::string> manifestFiles() {
    std::vector<std::string> files;
    for (const BitmapEntry* entry = bitmapEntries; entry->id >= 0; ++entry) {
        if (entry->kind != ENTRY_CREATE) files.push_back(entry->fileName);
    }
    for (const NinePatchEntry* entry = ninePatchEntries; entry->id >= 0; ++entry) {
        files.push_back(baseName(entry->fileName));
    }
    files.push_back(baseName(FILE_LOADING_PICTURE));
    return files;
}

struct Fonts {
    ALLEGRO_FONT* strip;
    ALLEGRO_FONT* digit;
    ALLEGRO_FONT* title;
    ALLEGRO_FONT* caption;
};

std::map<std::string, std::function<Canvas()>> painters(const Fonts& fonts) {
    return {
        {"wood.png", [] { return makeWood(LAYOUT_SCREEN_WIDTH, LAYOUT_SCREEN_HEIGHT, true); }},
        {"cell.png", [] { return makeCell(false); }},
        {"highlight.png", [] { return makeCell(true); }},
        {"red_disk.png", [] { return makeDiskImage(DiskColour::Red); }},
        {"blue_disk.png", [] { return makeDiskImage(DiskColour::Blue); }},
        {"select.png", makeSelect},
        {"grid_alpha.png", [&] { return makeStrip(fonts.strip, true); }},
        {"grid_numeric.png", [&] { return makeStrip(fonts.strip, false); }},
        {"digits.png", [&] { return makeDigits(fonts.digit); }},
        {"score.png", makeScore},
        {"arrow.png", makeArrow},
        {"message.png", [] { return makeFrame(Frame::Message); }},
        {"button.png", [] { return makeFrame(Frame::Button); }},
        {"button_push.png", [] { return makeFrame(Frame::ButtonPush); }},
        {"button_hover.png", [] { return makeFrame(Frame::ButtonHover); }},
        {"button_disabled.png", [] { return makeFrame(Frame::ButtonDisabled); }},
        {"mouse.png", makeMouse},
        {"icon.png", makeIcon},
        {"loading.png", [&] { return makeLoading(fonts.title, fonts.caption); }},
    };
}

bool writeAll(const std::string& folder, const Fonts& fonts) {
    const auto painterOf = painters(fonts);
    for (const std::string& name : manifestFiles()) {
        const auto painter = painterOf.find(name);
        if (painter == painterOf.end()) {
            std::fprintf(stderr, "tilecrest-artwork: nothing draws %s\n", name.c_str());
            return false;
        }
        const std::string path = folder + "/" + name;
        if (!painter->second().save(path)) {
            std::fprintf(stderr, "tilecrest-artwork: cannot write %s\n", path.c_str());
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: tilecrest-artwork FONT.ttf OUTPUT_FOLDER\n");
        return 2;
    }
    if (!initHeadlessAllegro()) {
        std::fprintf(stderr, "tilecrest-artwork: Allegro could not be initialised\n");
        return 1;
    }
    const std::string fontFile = argv[1];
    const Fonts fonts = {al_load_font(fontFile.c_str(), 22, 0), al_load_font(fontFile.c_str(), 38, 0),
                         al_load_font(fontFile.c_str(), 64, 0), al_load_font(fontFile.c_str(), 20, 0)};
    const bool loaded = fonts.strip && fonts.digit && fonts.title && fonts.caption;
    if (!loaded) std::fprintf(stderr, "tilecrest-artwork: cannot load font %s\n", fontFile.c_str());
    const bool ok = loaded && writeAll(argv[2], fonts);
    for (ALLEGRO_FONT* font : {fonts.strip, fonts.digit, fonts.title, fonts.caption}) {
        if (font) al_destroy_font(font);
    }
    return ok ? 0 : 1;
}
