#include "resources/Registry.h"

#include <utility>

#include "base/ObjectCounters.h"
#include "resources/SharedTexture.h"

namespace dLibrary {

std::map<int32_t, DestroyFunction> destroyFunctions;
std::map<int32_t, dResource*> resources;

void setDestroyFunction(int32_t type, DestroyFunction destroy) {
    destroyFunctions[type] = std::move(destroy);
}

bool hasDestroyFunction(int32_t type) {
    return destroyFunctions.count(type) != 0;
}

bool hasResource(int32_t id) {
    return resources.count(id) != 0;
}

dResource*& getResource(int32_t id) {
    return resources[id];
}

void* getData(int32_t id) {
    // A slot holding something other than a wrapper (a nine-patch) has no payload.
    auto* wrapper = dynamic_cast<dAllegroResource*>(getResource(id));
    return wrapper != nullptr ? wrapper->data : nullptr;
}

void registerResource(int32_t id, dResource* resource) {
    auto found = resources.find(id);
    if (found == resources.end()) {
        resources.emplace(id, resource);
        return;
    }
    dResource* old = std::exchange(found->second, resource);
    if (old != nullptr && old != resource) {
        ++objectsFreed;
        delete old;
    }
}

void destroyResources() {
    for (auto& slot : resources) {
        dResource* resource = std::exchange(slot.second, nullptr);
        if (resource != nullptr) {
            ++objectsFreed;
            delete resource;
        }
    }
    resources.clear();
    destroySharedTexture();  // the pictures in it went with their resources
}

}  // namespace dLibrary
