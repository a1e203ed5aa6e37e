#include "messagebox/MessageBoxLayout.h"

#include <algorithm>

std::vector<std::string> splitPieces(const std::string& text, char separator) {
    std::vector<std::string> pieces(1);
    for (char c : text) {
        if (c == separator) {
            pieces.emplace_back();
        } else {
            pieces.back() += c;
        }
    }
    return pieces;
}

BoxLayout layoutMessageBox(const BoxMetrics& m) {
    const int32_t lines = static_cast<int32_t>(m.lineWidths.size());
    const int32_t labels = static_cast<int32_t>(m.labelWidths.size());
    int32_t widestLine = 0;
    for (int32_t w : m.lineWidths) widestLine = std::max(widestLine, w);
    int32_t widestLabel = 0;
    for (int32_t w : m.labelWidths) widestLabel = std::max(widestLabel, w);

    const int32_t textWidth = widestLine + m.borderWidth;
    const int32_t buttonWidth = widestLabel + m.borderWidth + 64;
    const int32_t buttonHeight = m.lineHeight + m.borderHeight;

    BoxLayout layout;
    BoxRect& box = layout.box;
    box.width = std::max(textWidth + 64, labels * (buttonWidth + 32) + 32);
    box.height = lines * m.lineHeight + (lines + 2) * 16 + buttonHeight;
    box.x = (m.screenWidth - box.width) / 2;
    box.y = (m.screenHeight - box.height) / 2;

    const int32_t rowTop = box.y + 16 + lines * (m.lineHeight + 16);
    const int32_t rowWidth = labels * (buttonWidth + 32) - 32;
    const int32_t firstLeft = box.x + box.width / 2 - rowWidth / 2;
    for (int32_t i = 0; i < labels; ++i) {
        layout.buttons.push_back(
            {firstLeft + i * (buttonWidth + 32), rowTop, buttonWidth, buttonHeight});
    }
    return layout;
}
