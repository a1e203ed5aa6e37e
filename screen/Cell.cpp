#include "screen/Cell.h"

#include <allegro5/allegro.h>

#include "resources/Lookup.h"
#include "resources/ResourceIds.h"
#include "rules/Board.h"

bool Cell::contains(int32_t px, int32_t py) const {
    return Object::contains(px, py) && square() == LegalMark;
}

void Cell::draw(DrawState state) {
    using dLibrary::bitmapResource;
    al_draw_bitmap(bitmapResource(state == DRAW_NORMAL ? RES_CELL : RES_HIGHLIGHT), x, y, 0);
    // Red, Blue and the legal mark follow RES_CELL in the manifest, in square-value order.
    if (uint8_t value = square()) al_draw_bitmap(bitmapResource(RES_CELL + value), x, y, 0);
}
