#pragma once

// Brings Allegro up for tools and tests that load and draw artwork without a window: the
// core and the image, font, ttf and primitives addons. With no display every bitmap is a
// memory bitmap. False when any of them fails. The game brings Allegro up itself, logging
// every step.
bool initHeadlessAllegro();
