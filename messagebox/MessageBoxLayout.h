#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The arithmetic of a message box, apart from the font and the artwork so that it can be
// checked with plain numbers: a 16-pixel margin above the first line, a line height plus
// 16 pixels per line, then a centred row of equally wide buttons 32 pixels apart, then 16
// pixels below.

// Splits at every separator; empty pieces count, so k separators give k + 1 pieces.
std::vector<std::string> splitPieces(const std::string& text, char separator);

struct BoxMetrics {
    int32_t lineHeight;                // the font's line height
    int32_t borderWidth;               // the button frame's left and right corners together
    int32_t borderHeight;              // the button frame's top and bottom corners together
    std::vector<int32_t> lineWidths;   // text width of each line
    std::vector<int32_t> labelWidths;  // text width of each label
    int32_t screenWidth;
    int32_t screenHeight;
};

struct BoxRect {
    int32_t x, y, width, height;
};

struct BoxLayout {
    BoxRect box;
    std::vector<BoxRect> buttons;  // in label order, left to right
};

// Centred on the screen and never clamped: a box too wide for it extends past its edges.
BoxLayout layoutMessageBox(const BoxMetrics& metrics);

// Top of text line i of a box whose top is boxY.
inline int32_t messageLineY(int32_t boxY, int32_t lineHeight, int32_t line) {
    return boxY + 16 + line * (lineHeight + 16);
}
