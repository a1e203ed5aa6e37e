#pragma once

#include <allegro5/allegro_font.h>

#include "screen/Layout.h"
#include "tools/artwork/Canvas.h"

// Painters of the game's pictures. Each returns the finished picture; main writes them.

// The board screen: background, squares, disks and the legal-move mark.
Canvas makeWood(int width, int height, bool boardRecess);
Canvas makeCell(bool lit);
enum class DiskColour { Red, Blue };
// A shaded, glossy disk with its shadow, centred on (cx, cy).
void paintDisk(Canvas& canvas, float cx, float cy, float radius, DiskColour colour);
Canvas makeDiskImage(DiskColour colour);
Canvas makeSelect();

// The labels around the board: coordinate strips, digits, side labels, turn arrow.
Canvas makeStrip(ALLEGRO_FONT* font, bool letters);
Canvas makeDigits(ALLEGRO_FONT* font);
Canvas makeScore();
Canvas makeArrow();

// Nine-patch frames with their marker border.
enum class Frame { Message, Button, ButtonPush, ButtonHover, ButtonDisabled };
Canvas makeFrame(Frame frame);

// The pointer, the window icon and the start-up picture. The icon is drawn at any size:
// the window's at ART_ICON_SIZE, the desktop's at the sizes the build asks for; 16, 24 and
// 32 are simplified and laid out on whole pixels of their own.
Canvas makeMouse();
Canvas makeIcon(int size);
Canvas makeLoading(ALLEGRO_FONT* titleFont, ALLEGRO_FONT* captionFont);

// Sizes of the pictures; the game reads them from the files, never from here.
constexpr int ART_DIGIT_SIZE = 32;
constexpr int ART_LABEL_SIZE = 32;
constexpr int ART_ARROW_HEIGHT = 24;
constexpr int ART_GLYPH_CELL = 32;
constexpr int ART_ICON_SIZE = 64;
