// Loaded into the real game with LD_PRELOAD, it makes one chosen Allegro call fail, so that the
// end-to-end tests can walk every failure path of start-up:
//   TILECREST_FAIL=name[:n]   the n-th call (default the first) that the game itself makes to
//                             the Allegro function `name` fails (false or null) without running
//   TILECREST_BOXES=file      each native message box's title and heading are appended to
//                             `file`, one box a line, before the box shows
//   TILECREST_LEAK=1          one object more is counted as created, so the counts differ
// Calls that Allegro makes to its own functions are passed on and not counted.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <sys/auxv.h>

#include <allegro5/allegro.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_native_dialog.h>
#include <allegro5/allegro_primitives.h>
#include <allegro5/allegro_ttf.h>

namespace {

// Whether the code at `address` belongs to the game's executable (not to a shared library).
bool inGame(void* address) {
    Dl_info caller, game;
    return dladdr(address, &caller) && dladdr(reinterpret_cast<void*>(getauxval(AT_PHDR)), &game) &&
           caller.dli_fbase == game.dli_fbase;
}

// Counts the game's calls to `name` and tells whether this one is to fail.
bool failing(const char* name, void* caller) {
    static int calls = 0;
    const char* chosen = std::getenv("TILECREST_FAIL");
    const size_t length = std::strlen(name);
    if (!chosen || std::strncmp(chosen, name, length) != 0 ||
        (chosen[length] && chosen[length] != ':'))
        return false;
    if (!inGame(caller)) return false;
    return ++calls == (chosen[length] ? std::atoi(chosen + length + 1) : 1);
}

__attribute__((constructor)) void countOneLeak() {
    if (!std::getenv("TILECREST_LEAK")) return;
    // The executable exports its counter for this (tests/e2e/CMakeLists.txt).
    if (auto* created = static_cast<uint32_t*>(dlsym(RTLD_DEFAULT, "objectsCreated"))) ++*created;
}

}  // namespace

// Defines `name` to fail with `failure` when chosen, and otherwise to call Allegro's own.
#define FAILING(result, name, parameters, arguments, failure)                               \
    extern "C" result name parameters {                                                     \
        if (failing(#name, __builtin_return_address(0))) return failure;                    \
        static auto real = reinterpret_cast<result(*) parameters>(dlsym(RTLD_NEXT, #name)); \
        return real arguments;                                                              \
    }

// al_init() is a macro over al_install_system.
FAILING(bool, al_install_system, (int version, int (*atExit)(void (*)())), (version, atExit), false)
FAILING(bool, al_install_mouse, (), (), false)
FAILING(bool, al_install_keyboard, (), (), false)
FAILING(bool, al_init_image_addon, (), (), false)
FAILING(bool, al_init_ttf_addon, (), (), false)
FAILING(bool, al_init_primitives_addon, (), (), false)
FAILING(ALLEGRO_TIMER*, al_create_timer, (double seconds), (seconds), nullptr)
FAILING(ALLEGRO_DISPLAY*, al_create_display, (int width, int height), (width, height), nullptr)
FAILING(ALLEGRO_BITMAP*, al_create_bitmap, (int width, int height), (width, height), nullptr)
FAILING(ALLEGRO_MOUSE_CURSOR*, al_create_mouse_cursor, (ALLEGRO_BITMAP * picture, int x, int y),
        (picture, x, y), nullptr)
FAILING(ALLEGRO_EVENT_QUEUE*, al_create_event_queue, (), (), nullptr)

extern "C" int al_show_native_message_box(ALLEGRO_DISPLAY* display, const char* title,
                                          const char* heading, const char* text,
                                          const char* buttons, int flags) {
    if (const char* path = std::getenv("TILECREST_BOXES")) {
        if (FILE* file = std::fopen(path, "a")) {
            std::fprintf(file, "%s\t%s\n", title, heading);
            std::fclose(file);
        }
    }
    static auto real = reinterpret_cast<decltype(&al_show_native_message_box)>(
        dlsym(RTLD_NEXT, "al_show_native_message_box"));
    return real(display, title, heading, text, buttons, flags);
}
