#pragma once

#include <cstdint>

// Process-wide accounting of tracked objects (Allegro handles, bitmaps, resources,
// move records, owned screen elements). Every creation that yields an object adds
// one to objectsCreated, every destruction adds one to objectsFreed; the App compares
// them at exit to detect leaks. Only ever raised, never lowered or reset.
extern uint32_t objectsCreated;
extern uint32_t objectsFreed;
