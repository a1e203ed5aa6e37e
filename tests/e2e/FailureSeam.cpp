// Linked into tilecrest-seamed, the end-to-end tests' copy of the game, whose own calls to the
// Allegro functions below the linker leads here (--wrap). The environment chooses what happens:
//   TILECREST_FAIL=name   the first call to `name` fails (false or null) without running
//   TILECREST_BOXES=file  each native box's title and heading are appended to `file`, a line each
//   TILECREST_LEAK=1      one object more is counted as created, so the counts differ

#include <cstdlib>
#include <cstring>
#include <fstream>

#include <allegro5/allegro.h>
#include <allegro5/allegro_native_dialog.h>

#include "base/ObjectCounters.h"

namespace {

bool failing(const char* name) {
    static bool failed = false;  // only the first call
    const char* chosen = std::getenv("TILECREST_FAIL");
    return !failed && chosen && std::strcmp(chosen, name) == 0 && (failed = true);
}

}  // namespace

// __wrap_name, to which the linker leads the game's calls to `name` (on Windows also through the
// DLL's import pointer, __imp_name); __real_name is Allegro's own.
#define WRAPPED(result, name, parameters, body)                                                   \
    extern "C" {                                                                                  \
    result __real_##name parameters;                                                              \
    result __wrap_##name parameters body result(*__wrap___imp_##name) parameters = __wrap_##name; \
    }
// One that fails with `failure` when chosen, and otherwise calls Allegro's own.
#define FAILING(result, name, parameters, arguments, failure) \
    WRAPPED(result, name, parameters,                         \
            { return failing(#name) ? failure : __real_##name arguments; })

// al_init() is a macro over al_install_system, the game's first call: the leak is counted here.
WRAPPED(bool, al_install_system, (int version, int (*atExit)(void (*)())), {
    if (std::getenv("TILECREST_LEAK")) ++objectsCreated;
    return !failing("al_install_system") && __real_al_install_system(version, atExit);
})
FAILING(bool, al_install_mouse, (), (), false)
FAILING(ALLEGRO_TIMER*, al_create_timer, (double seconds), (seconds), nullptr)
FAILING(ALLEGRO_DISPLAY*, al_create_display, (int width, int height), (width, height), nullptr)
FAILING(ALLEGRO_EVENT_QUEUE*, al_create_event_queue, (), (), nullptr)
WRAPPED(int, al_show_native_message_box,
        (ALLEGRO_DISPLAY * display, const char* title, const char* heading, const char* text,
         const char* buttons, int flags),
        {
            if (const char* path = std::getenv("TILECREST_BOXES"))
                std::ofstream(path, std::ios::app) << title << '\t' << heading << '\n';
            return __real_al_show_native_message_box(display, title, heading, text, buttons, flags);
        })
