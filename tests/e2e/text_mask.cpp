// Draws each argument in the game's font (the given .ttf at size 16, as the game loads it)
// and prints which pixels come out fully opaque: a line "TEXT_MASK width height", then one
// row of '#' and '.' per pixel row. The end-to-end tests compare these masks with the pure
// white pixels of a screenshot to tell which text a message box shows.
#include <cstdio>

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>
#include <allegro5/allegro_ttf.h>

int main(int argc, char** argv) {
    if (argc < 3 || !al_init()) return 2;
    al_init_font_addon();
    if (!al_init_ttf_addon()) return 2;
    ALLEGRO_FONT* font = al_load_font(argv[1], 16, ALLEGRO_TTF_NO_KERNING);
    if (!font) return 2;
    const int height = al_get_font_line_height(font);
    for (int i = 2; i < argc; ++i) {
        const int width = al_get_text_width(font, argv[i]) + 8;
        ALLEGRO_BITMAP* canvas = al_create_bitmap(width, height);
        al_set_target_bitmap(canvas);
        al_clear_to_color(al_map_rgba(0, 0, 0, 0));
        al_draw_text(font, al_map_rgb(255, 255, 255), 4, 0, 0, argv[i]);
        std::printf("TEXT_MASK %d %d\n", width, height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                unsigned char r, g, b, a;
                al_unmap_rgba(al_get_pixel(canvas, x, y), &r, &g, &b, &a);
                std::putchar(a == 255 && r == 255 && g == 255 && b == 255 ? '#' : '.');
            }
            std::putchar('\n');
        }
        al_destroy_bitmap(canvas);
    }
    al_destroy_font(font);
    return 0;
}
