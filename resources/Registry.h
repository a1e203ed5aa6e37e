#pragma once

#include <cstdint>
#include <functional>
#include <map>

#include "resources/Resource.h"

// The process-wide resource registry. It owns every resource stored in it from start-up
// until destroyResources; every deletion it performs is counted in objectsFreed.
namespace dLibrary {

using DestroyFunction = std::function<void(void*)>;

// Destroy function per type code; never emptied.
extern std::map<int32_t, DestroyFunction> destroyFunctions;
// Owning pointers by id, ascending; a slot may be null (left by a lookup of an absent id).
extern std::map<int32_t, dResource*> resources;

void setDestroyFunction(int32_t type, DestroyFunction destroy);

// Lets a typed Allegro destructor such as al_destroy_bitmap be registered directly.
template <typename T>
void setDestroyFunction(int32_t type, void (*destroy)(T*)) {
    setDestroyFunction(type,
                       DestroyFunction([destroy](void* data) { destroy(static_cast<T*>(data)); }));
}

bool hasDestroyFunction(int32_t type);
bool hasResource(int32_t id);

// The slot of the id; an absent id gets an empty slot first.
dResource*& getResource(int32_t id);

// The payload of the dAllegroResource under the id, or null for an empty slot. Like
// getResource, an absent id leaves an empty slot behind.
void* getData(int32_t id);

// Takes ownership; a resource already under the id is deleted.
void registerResource(int32_t id, dResource* resource);

// Deletes every resource in ascending id order and empties the registry; then frees the
// shared texture (resources/SharedTexture.h) that held their pictures.
void destroyResources();

}  // namespace dLibrary
