#include "base/ObjectCounters.h"

uint32_t objectsCreated = 0;
uint32_t objectsFreed = 0;
