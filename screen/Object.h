#pragma once

#include <cstdint>

enum ObjectKind : int32_t {
    KIND_CELL = 0,
    KIND_BUTTON = 2,
    KIND_MESSAGEBOX = 3,
};

// How drawObjects asks an element to look.
enum DrawState : int32_t {
    DRAW_NORMAL = 0,  // not the hovered element
    DRAW_PUSHED = 1,  // hovered, left button down
    DRAW_HOVER = 2,   // hovered, left button up
};

// Anything on the screen drawn as a unit and pointed at with the mouse. Deleted through
// this base when the ObjectList owns it.
class Object {
public:
    Object() = default;
    virtual ~Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    virtual void draw(DrawState state) = 0;
    // The left and top edges belong to the element, the right and bottom edges do not.
    virtual bool contains(int32_t px, int32_t py) const {
        return x <= px && px < x + width && y <= py && py < y + height;
    }

    bool visible = false;
    bool enabled = false;  // a disabled element is never hovered
    int32_t kind = KIND_CELL;
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};
