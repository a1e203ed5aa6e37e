#pragma once

#include <cstdint>

namespace dLibrary {

// Type codes of the payload a dAllegroResource holds; they select its destroy function.
constexpr int32_t TYPE_BITMAP = 0;
constexpr int32_t TYPE_FONT = 2;
constexpr int32_t TYPE_COLOR = 3;

// Base of everything the registry owns; the registry deletes resources through it.
class dResource {
public:
    dResource() = default;
    virtual ~dResource() = default;
    dResource(const dResource&) = delete;
    dResource& operator=(const dResource&) = delete;
};

// Owns one payload of a TYPE_* code. On destruction the payload is passed to the destroy
// function registered for its type; a type without one (TYPE_COLOR) must hold an
// ALLEGRO_COLOR made with new, which is deleted. Each freed payload is counted.
class dAllegroResource : public dResource {
public:
    dAllegroResource() = default;
    ~dAllegroResource() override;

    int32_t type = -1;
    void* data = nullptr;
};

}  // namespace dLibrary
