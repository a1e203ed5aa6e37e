#include "screen/ObjectList.h"

#include <vector>

#include "base/ObjectCounters.h"
#include "screen/Input.h"

Object* hoverObject = nullptr;
Object* pressedObject = nullptr;
bool wasPressed = false;

namespace {

struct ObjectEntry {
    Object* object;
    bool owned;
};

struct Layer {
    std::size_t count;
    std::size_t firstActive;
};

std::vector<ObjectEntry> entries;
std::size_t firstActive = 0;  // entries.size() when nothing is active
std::vector<Layer> layers;

}  // namespace

Object* addObject(Object* element, bool owned) {
    if (!element) return nullptr;
    bool noneActive = firstActive == entries.size();
    entries.push_back({element, owned});
    if (noneActive) firstActive = entries.size() - 1;
    return element;
}

void drawObjects() {
    for (const ObjectEntry& entry : entries) {
        Object* element = entry.object;
        if (!element->visible) continue;
        DrawState state = DRAW_NORMAL;
        if (element == hoverObject) state = input.mouseButtons[1] ? DRAW_PUSHED : DRAW_HOVER;
        element->draw(state);
    }
}

Object* objectUnderMouse() {
    Object* found = nullptr;
    for (std::size_t i = firstActive; i < entries.size(); ++i) {
        Object* element = entries[i].object;
        if (element->visible && element->contains(input.mouseX, input.mouseY)) found = element;
    }
    return found;
}

void removeLastObject() {
    if (entries.empty()) return;
    ObjectEntry last = entries.back();
    entries.pop_back();
    if (firstActive > entries.size()) firstActive = entries.size();
    if (last.object == hoverObject) hoverObject = nullptr;
    if (last.object == pressedObject) pressedObject = nullptr;
    if (last.owned && last.object) {
        ++objectsFreed;
        delete last.object;
    }
}

void pushLayer() {
    layers.push_back({entries.size(), firstActive});
    firstActive = entries.size();
}

void popLayer() {
    if (layers.empty()) return;
    Layer top = layers.back();
    layers.pop_back();
    while (entries.size() > top.count) removeLastObject();
    firstActive = top.firstActive;
}

std::size_t layerDepth() {
    return layers.size();
}

void clearObjects() {
    while (!entries.empty()) removeLastObject();
    firstActive = entries.size();
}

std::size_t objectListSize() {
    return entries.size();
}

Object* objectAt(std::size_t index) {
    return index < entries.size() ? entries[index].object : nullptr;
}
