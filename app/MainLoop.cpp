#include "app/App.h"
#include "resources/Registry.h"
#include "resources/ResourceIds.h"
#include "screen/Game.h"

// Hands every queued event to the Game and draws a frame once the queue has run empty
// and the Game wants one. With nothing to do it sleeps in al_wait_for_event rather than
// spinning: the event order, ticks and frames are the same as with polling, without
// keeping a processor core busy while the board sits idle.
void App::mainLoop() {
    while (game->enteredState != STATE_QUIT) {
        while (!al_is_event_queue_empty(eventQueue)) {
            ALLEGRO_EVENT event;
            al_get_next_event(eventQueue, &event);
            game->handleEvent(event);
            if (event.type == ALLEGRO_EVENT_MOUSE_LEAVE_DISPLAY) {
                al_set_system_mouse_cursor(display, ALLEGRO_SYSTEM_MOUSE_CURSOR_DEFAULT);
            } else if (event.type == ALLEGRO_EVENT_MOUSE_ENTER_DISPLAY) {
                al_set_mouse_cursor(display, mouseCursor);
            }
            if (game->enteredState == STATE_QUIT) return;
        }
        if (game->redraw) {
            redraw();
        } else {
            al_wait_for_event(eventQueue, nullptr);  // leaves the event in the queue
        }
    }
}

// Composes the frame on the fixed 800 by 600 screen bitmap and stretches it over the
// whole window, whatever its current size. While the window has the screen's own size the
// frame is drawn straight into it: the same pixels, without a second full-frame pass. That
// holds only where the window keeps 8 bits per channel: on fewer (a 16-bit display) every
// blended layer would be rounded to the window's precision, not the finished frame once.
void App::redraw() {
    ALLEGRO_BITMAP* screen = static_cast<ALLEGRO_BITMAP*>(dLibrary::getData(RES_SCREEN));
    const int width = al_get_bitmap_width(screen), height = al_get_bitmap_height(screen);
    const int windowWidth = al_get_display_width(display);
    const int windowHeight = al_get_display_height(display);
    bool composed = windowWidth != width || windowHeight != height;
    for (int channel : {ALLEGRO_RED_SIZE, ALLEGRO_GREEN_SIZE, ALLEGRO_BLUE_SIZE})
        composed = composed || al_get_display_option(display, channel) < 8;
    al_set_target_bitmap(composed ? screen : al_get_backbuffer(display));
    game->draw();
    if (composed) {
        al_set_target_backbuffer(display);
        al_draw_scaled_bitmap(screen, 0, 0, width, height, 0, 0, windowWidth, windowHeight, 0);
    }
    al_flip_display();
}
