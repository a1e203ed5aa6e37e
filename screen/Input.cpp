#include "screen/Input.h"

Input input;

void Input::setWindowSize(int32_t width, int32_t height) {
    if (width <= 0 || height <= 0) return;
    scaleX = 800.0f / width;
    scaleY = 600.0f / height;
}
