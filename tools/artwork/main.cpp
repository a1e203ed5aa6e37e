// Writes the game's artwork as PNG files into the folder given on the command line,
// using the game's own font for lettering; with --icons, the desktop icons at the sizes
// given instead ("icon-48.png" and so on). Needs no display: everything is drawn into memory
// bitmaps, and the same program always writes the same pictures.
#include <cstdio>
#include <cstdlib>
#include <string>

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_primitives.h>
#include <allegro5/allegro_ttf.h>

#include "tools/artwork/Art.h"

namespace {

bool write(const std::string& folder, const std::string& name, const Canvas& canvas,
           bool magentaKey = true) {
    std::string path = folder + "/" + name;
    if (canvas.save(path, magentaKey)) return true;
    std::fprintf(stderr, "tilecrest-artwork: cannot write %s\n", path.c_str());
    return false;
}

// Desktop icons carry real transparency: the magenta key is the game's convention only.
bool writeDesktopIcons(const std::string& folder, int count, char** sizes) {
    for (int i = 0; i < count; ++i) {
        int size = std::atoi(sizes[i]);
        if (size < 16 || size > 1024) {
            std::fprintf(stderr, "tilecrest-artwork: no icon size %s\n", sizes[i]);
            return false;
        }
        if (!write(folder, "icon-" + std::to_string(size) + ".png", makeIcon(size), false))
            return false;
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
    if (!al_init() || !al_init_image_addon() || !al_init_font_addon() || !al_init_ttf_addon() ||
        !al_init_primitives_addon()) {
        std::fprintf(stderr, "tilecrest-artwork: Allegro could not be initialised\n");
        return 1;
    }
    if (icons) return writeDesktopIcons(argv[2], argc - 3, argv + 3) ? 0 : 1;
    const std::string fontFile = argv[1], out = argv[2];
    ALLEGRO_FONT* stripFont = al_load_font(fontFile.c_str(), 22, 0);
    ALLEGRO_FONT* digitFont = al_load_font(fontFile.c_str(), 38, 0);
    ALLEGRO_FONT* titleFont = al_load_font(fontFile.c_str(), 64, 0);
    ALLEGRO_FONT* captionFont = al_load_font(fontFile.c_str(), 20, 0);
    if (!stripFont || !digitFont || !titleFont || !captionFont) {
        std::fprintf(stderr, "tilecrest-artwork: cannot load font %s\n", fontFile.c_str());
        return 1;
    }

    bool ok = write(out, "wood.png", makeWood(800, 600, true)) &&
              write(out, "cell.png", makeCell(false)) &&
              write(out, "highlight.png", makeCell(true)) &&
              write(out, "red_disk.png", makeDiskImage(DiskColour::Red)) &&
              write(out, "blue_disk.png", makeDiskImage(DiskColour::Blue)) &&
              write(out, "select.png", makeSelect()) &&
              write(out, "grid_alpha.png", makeStrip(stripFont, true)) &&
              write(out, "grid_numeric.png", makeStrip(stripFont, false)) &&
              write(out, "digits.png", makeDigits(digitFont)) &&
              write(out, "score.png", makeScore()) && write(out, "arrow.png", makeArrow()) &&
              write(out, "message.png", makeFrame(Frame::Message)) &&
              write(out, "button.png", makeFrame(Frame::Button)) &&
              write(out, "button_push.png", makeFrame(Frame::ButtonPush)) &&
              write(out, "button_hover.png", makeFrame(Frame::ButtonHover)) &&
              write(out, "button_disabled.png", makeFrame(Frame::ButtonDisabled)) &&
              write(out, "mouse.png", makeMouse()) && write(out, "icon.png", makeIcon(ICON_SIZE)) &&
              write(out, "loading.png", makeLoading(titleFont, captionFont));

    al_destroy_font(stripFont);
    al_destroy_font(digitFont);
    al_destroy_font(titleFont);
    al_destroy_font(captionFont);
    return ok ? 0 : 1;
}
