#pragma once

#include <cstddef>

#include "screen/Object.h"

// The process-wide list of screen elements in drawing order. Layers give message boxes
// their modality: pushLayer starts a new active range, and only elements of the active
// range are found under the mouse. Owned elements are deleted (and counted as freed)
// when their entry is removed; the Game's own elements are added not owned.

Object* addObject(Object* element, bool owned);
void drawObjects();
// The topmost visible element of the active layer containing the mouse, or null.
Object* objectUnderMouse();
void removeLastObject();
void pushLayer();
// Removes (deleting the owned ones) every entry added since the matching pushLayer and
// makes the layer below active again. Does nothing without a layer.
void popLayer();
// How many layers (open boxes) are pushed; 0 while only the game screen takes input.
std::size_t layerDepth();
// Empties the list; layers are left as they are.
void clearObjects();
std::size_t objectListSize();
// The element of entry `index` (0 = first drawn), or null past the end; lets tests find
// the buttons of an open box.
Object* objectAt(std::size_t index);

// Click tracking, read and written by the Game's tick. Compared by identity only; an
// element leaving the list clears them, so a later element that happens to reuse its
// address is never taken for it.
extern Object* hoverObject;
extern Object* pressedObject;
extern bool wasPressed;
