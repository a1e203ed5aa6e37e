#include "app/App.h"

#include <cstdio>
#include <new>

#include <allegro5/allegro_font.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_native_dialog.h>
#include <allegro5/allegro_primitives.h>
#include <allegro5/allegro_ttf.h>

#include "app/AssetManifest.h"
#include "base/Log.h"
#include "base/ObjectCounters.h"
#include "resources/Bitmap.h"
#include "resources/Registry.h"
#include "resources/ResourceIds.h"
#include "screen/Game.h"
#include "screen/Layout.h"
#include "screen/ObjectList.h"

namespace {

// Logs the outcome of one initialisation step on the line its name began.
int32_t logOutcome(bool ok) {
    gLog << (ok ? "initialized" : "failed to initialize!");
    gLog.endLine();
    return ok ? 0 : -1;
}

void endEmptyLines(int count) {
    for (int i = 0; i < count; ++i) gLog.endLine();
}

// Counts an object that was created and logs the outcome on the line its name began.
int32_t logCreation(bool created, const char* failure) {
    if (created) ++objectsCreated;
    gLog << (created ? "created" : failure);
    gLog.endLine();
    return created ? 0 : -1;
}

// Destroys an Allegro handle that exists, counts it as freed and logs its line.
template <typename Handle>
void destroyHandle(Handle*& handle, void (*destroy)(Handle*), const char* line) {
    if (!handle) return;
    ++objectsFreed;
    destroy(handle);
    handle = nullptr;
    gLog << line;
    gLog.endLine();
}

}  // namespace

int32_t initAllegro() {
    gLog << "Allegro Library ";
    if (logOutcome(al_init()) < 0) return -1;

    // Data lives beside the executable; the log was already opened where we started.
    if (ALLEGRO_PATH* path = al_get_standard_path(ALLEGRO_RESOURCES_PATH)) {
        al_change_directory(al_path_cstr(path, ALLEGRO_NATIVE_PATH_SEP));
        al_destroy_path(path);
    }

    gLog.indent();
    gLog << "Mouse ";
    if (logOutcome(al_install_mouse()) < 0) return -1;
    gLog << "Keyboard ";
    if (logOutcome(al_install_keyboard()) < 0) return -1;
    gLog.unindent();

    gLog << "Image addon ";
    if (logOutcome(al_init_image_addon()) < 0) return -1;
    gLog << "Font addon initialized";
    gLog.endLine();
    al_init_font_addon();

    gLog.indent();
    gLog << "TTF addon ";
    if (logOutcome(al_init_ttf_addon()) < 0) return -1;
    gLog.unindent();

    gLog << "Primitives addon ";
    if (logOutcome(al_init_primitives_addon()) < 0) return -1;

    endEmptyLines(2);
    return 0;
}

int32_t App::run() {
    gLog << "App started";
    gLog.endLine();
    gLog.indent();

    int32_t status = init();
    if (status == 0) {
        mainLoop();
    } else {
        reportFailure();
        al_show_native_message_box(
            display, "Warning", "Problem Initializing Game!",
            "There was a problem initializing one of the components! Please look at log for "
            "more details.",
            nullptr, ALLEGRO_MESSAGEBOX_ERROR);
    }
    shutdown();
    gLog.unindent();

    gLog << "App finished";
    gLog.endLine();
    gLog.endLine();
    gLog << "Objects created: " << objectsCreated;
    gLog.endLine();
    gLog << "Objects freed: " << objectsFreed;
    gLog.endLine();
    return status;
}

int32_t App::init() {
    if (initAllegro() < 0) return -1;

    gLog << "Timer ";
    timer = al_create_timer(1.0f / 30.0f);
    if (timer) ++objectsCreated;
    if (logOutcome(timer != nullptr) < 0) return -1;

    al_set_new_display_option(ALLEGRO_SINGLE_BUFFER, 1, ALLEGRO_REQUIRE);
    al_set_new_display_flags(ALLEGRO_WINDOWED | ALLEGRO_RESIZABLE);
    display = al_create_display(LAYOUT_SCREEN_WIDTH, LAYOUT_SCREEN_HEIGHT);
    if (!display) {
        gLog << "Display failed to initialize!";
        gLog.endLine();
        return -1;
    }
    ++objectsCreated;
    gLog << "Display " << int32_t(al_get_display_width(display)) << "x"
         << int32_t(al_get_display_height(display)) << " initialized";
    gLog.endLine();

    al_set_window_title(display, "Tilecrest");
    al_set_system_mouse_cursor(display, ALLEGRO_SYSTEM_MOUSE_CURSOR_BUSY);
    showLoadingPicture();

    if (loadResources() < 0) {
        failedStep = loadFailure();
        return -1;
    }

    al_set_display_icon(display, static_cast<ALLEGRO_BITMAP*>(dLibrary::getData(RES_ICON)));

    gLog << "Mouse cursor ";
    mouseCursor = al_create_mouse_cursor(static_cast<ALLEGRO_BITMAP*>(dLibrary::getData(RES_MOUSE)),
                                         CURSOR_FOCUS_X, CURSOR_FOCUS_Y);
    if (logCreation(mouseCursor != nullptr, "failed to be created!") < 0) return -1;
    al_set_mouse_cursor(display, mouseCursor);

    gLog << "Event queue ";
    eventQueue = al_create_event_queue();
    if (logCreation(eventQueue != nullptr, "could not be created!") < 0) return -1;
    al_register_event_source(eventQueue, al_get_display_event_source(display));
    al_register_event_source(eventQueue, al_get_timer_event_source(timer));
    al_register_event_source(eventQueue, al_get_keyboard_event_source());
    al_register_event_source(eventQueue, al_get_mouse_event_source());

    gLog << "Game Object ";
    game = new (std::nothrow) Game(display);
    if (logCreation(game != nullptr, "could not be created!") < 0) return -1;

    gLog << "Game Setup ";
    if (game->setup() < 0) {
        gLog << "failed!";
        gLog.endLine();
        return -1;
    }
    gLog << "complete";
    gLog.endLine();

    al_start_timer(timer);
    endEmptyLines(2);
    return 0;
}

// For whoever started the game from a terminal, where the box may not show (no display) and
// the log lies elsewhere. Any other step that fails names itself in the last line it logged.
void App::reportFailure() const {
    std::string step = failedStep.empty() ? gLog.lastLine() : failedStep;
    // Without a display to connect to (no DISPLAY, or a server that is gone) Allegro still
    // starts, and its mouse is the first step to fail: the log's line would send the user
    // looking at the mouse. Allegro then also reports no screen at all.
    if (al_is_system_installed() && !al_is_mouse_installed() && al_get_num_video_adapters() == 0) {
        step = "no display found to open the window on";
    }
    std::fprintf(stderr,
                 gLog.isOpen() ? "tilecrest: start-up failed (%s); see %s\n"
                               : "tilecrest: start-up failed (%s); %s could not be written\n",
                 step.c_str(), gLog.path().c_str());
}

// Shows the splash while the artwork loads; optional, so a missing picture is no failure.
void App::showLoadingPicture() {
    ALLEGRO_BITMAP* picture = dLibrary::loadBitmap(FILE_LOADING_PICTURE, true);
    if (!picture) return;
    int freeWidth = al_get_display_width(display) - al_get_bitmap_width(picture);
    int freeHeight = al_get_display_height(display) - al_get_bitmap_height(picture);
    al_clear_to_color(al_map_rgb(0, 0, 0));
    al_draw_bitmap(picture, static_cast<float>(freeWidth * 0.5),
                   static_cast<float>(freeHeight * 0.25), 0);
    al_flip_display();
    dLibrary::destroyBitmap(picture);
}

void App::shutdown() {
    endEmptyLines(2);
    if (game) {
        ++objectsFreed;
        delete game;
        game = nullptr;
        gLog << "Game Object destroyed";
        gLog.endLine();
    }
    if (objectListSize() > 0) {
        clearObjects();
        gLog << "Objects destroyed";
        gLog.endLine();
    }
    if (!dLibrary::resources.empty()) {
        dLibrary::destroyResources();
        gLog << "Resources destroyed";
        gLog.endLine();
    }
    destroyHandle(eventQueue, al_destroy_event_queue, "Event queue destroyed");
    destroyHandle(mouseCursor, al_destroy_mouse_cursor, "Mouse cursor destroyed");
    destroyHandle(display, al_destroy_display, "Display destroyed");
    destroyHandle(timer, al_destroy_timer, "Timer unloaded");
    endEmptyLines(2);

    if (objectsCreated != objectsFreed) {
        al_show_native_message_box(nullptr, "Warning", "Memory Leak!",
                                   "The amount of objects created does not equal the amount freed!",
                                   nullptr, ALLEGRO_MESSAGEBOX_WARN);
    }
}
