#pragma once

#include <string>

// Allegro with the addons the game uses but no display, and the game's resources loaded
// from the data/ folder beside the executable (memory bitmaps). Returns an empty string on
// success, otherwise what failed.
std::string startHeadless();
// Destroys the resources again, so that only the baseline the soak measured goes away.
void stopHeadless();
