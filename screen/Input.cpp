#include "screen/Input.h"

#include "screen/Layout.h"

Input input;

void Input::setWindowSize(int32_t width, int32_t height) {
    if (width <= 0 || height <= 0) return;
    scaleX = static_cast<float>(LAYOUT_SCREEN_WIDTH) / width;
    scaleY = static_cast<float>(LAYOUT_SCREEN_HEIGHT) / height;
}
