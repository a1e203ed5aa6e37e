#include "screen/TurnArrow.h"

#include <allegro5/allegro.h>

#include "resources/Lookup.h"
#include "resources/ResourceIds.h"
#include "rules/Board.h"
#include "screen/Layout.h"

namespace {

struct ArrowPlaces {
    int32_t left;   // just left of Red's label
    int32_t right;  // just left of Blue's label when the arrow is as wide as a digit
    int32_t top;
};

// The artwork never changes while the game runs, so its sizes are read once.
const ArrowPlaces& arrowPlaces() {
    static const ArrowPlaces places = [] {
        ALLEGRO_BITMAP* arrow = dLibrary::bitmapResource(RES_ARROW);
        const int32_t arrowWidth = al_get_bitmap_width(arrow);
        const int32_t arrowHeight = al_get_bitmap_height(arrow);
        const int32_t labelSize = al_get_bitmap_height(dLibrary::bitmapResource(RES_SCORE));
        // The labels' places as if each digit were as wide as the arrow.
        const ScorePlaces score = scorePlaces(labelSize, arrowWidth);
        return ArrowPlaces{score.redLabel - arrowWidth, score.blueLabel - arrowWidth,
                           scoreBandTop(arrowHeight)};
    }();
    return places;
}

}  // namespace

void TurnArrow::update(uint8_t newSide) {
    if (newSide != side) {
        const ArrowPlaces& places = arrowPlaces();
        side = newSide;
        y = places.top;
        dx = -1;
        steps = 0;
        x = newSide == Blue ? places.right : places.left;
    }
    x += dx;
    if (++steps == 8) {
        dx = -dx;
        steps = 0;
    }
}
