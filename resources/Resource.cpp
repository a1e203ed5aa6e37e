#include "resources/Resource.h"

#include <allegro5/allegro.h>

#include "base/ObjectCounters.h"
#include "resources/Registry.h"

namespace dLibrary {

dAllegroResource::~dAllegroResource() {
    if (data == nullptr) return;
    ++objectsFreed;
    auto found = destroyFunctions.find(type);
    if (found != destroyFunctions.end()) {
        found->second(data);
    } else {
        delete static_cast<ALLEGRO_COLOR*>(data);
    }
    data = nullptr;
}

}  // namespace dLibrary
