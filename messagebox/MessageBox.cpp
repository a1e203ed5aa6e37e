#include "messagebox/MessageBox.h"

#include <new>

#include <allegro5/allegro_font.h>

#include "base/ObjectCounters.h"
#include "messagebox/MessageBoxLayout.h"
#include "resources/Lookup.h"
#include "resources/ResourceIds.h"
#include "screen/Button.h"
#include "screen/ObjectList.h"
#include "screen/ShadowText.h"

namespace {

BoxMetrics measure(const std::vector<std::string>& lines, const std::vector<std::string>& labels) {
    using namespace dLibrary;
    ALLEGRO_FONT* font = fontResource(RES_FONT);
    const dNinePatch& frame = ninePatchResource(RES_BUTTON);
    ALLEGRO_BITMAP* screen = bitmapResource(RES_SCREEN);
    BoxMetrics m;
    m.lineHeight = al_get_font_line_height(font);
    m.borderWidth = frame.borderWidth();
    m.borderHeight = frame.borderHeight();
    for (const std::string& line : lines)
        m.lineWidths.push_back(al_get_text_width(font, line.c_str()));
    for (const std::string& label : labels)
        m.labelWidths.push_back(al_get_text_width(font, label.c_str()));
    m.screenWidth = al_get_bitmap_width(screen);
    m.screenHeight = al_get_bitmap_height(screen);
    return m;
}

void discard(Object* element) {
    ++objectsFreed;
    delete element;
}

}  // namespace

int32_t dMessageBox::show(std::string text, std::string labels, const std::vector<int32_t>& codes) {
    std::vector<std::string> labelList = splitPieces(labels, '|');
    // A box whose buttons had no codes could never be answered.
    if (labelList.size() != codes.size()) return -1;

    dMessageBox* box = new (std::nothrow) dMessageBox;
    if (!box) return -1;
    ++objectsCreated;
    box->kind = KIND_MESSAGEBOX;
    box->visible = true;
    box->enabled = true;
    box->lines = splitPieces(text, '\n');

    BoxLayout layout = layoutMessageBox(measure(box->lines, labelList));
    box->x = layout.box.x;
    box->y = layout.box.y;
    box->width = layout.box.width;
    box->height = layout.box.height;

    std::vector<Button*> buttons;
    for (std::size_t i = 0; i < labelList.size(); ++i) {
        Button* button = new (std::nothrow) Button;
        if (!button) {
            discard(box);
            for (Button* made : buttons) discard(made);
            return -1;
        }
        ++objectsCreated;
        const BoxRect& r = layout.buttons[i];
        button->create(labelList[i], codes[i], r.x, r.y, r.width, r.height);
        buttons.push_back(button);
    }

    pushLayer();
    addObject(box, true);
    for (Button* button : buttons) addObject(button, true);
    return 0;
}

void dMessageBox::draw(DrawState) {
    dLibrary::ninePatchResource(RES_MESSAGE).draw(x, y, width, height);
    const int32_t lineHeight = al_get_font_line_height(dLibrary::fontResource(RES_FONT));
    const int32_t centre = x + width / 2;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;  // keeps its space
        drawShadowText(RES_COLOR_WHITE, centre,
                       messageLineY(y, lineHeight, static_cast<int32_t>(i)), lines[i]);
    }
}
