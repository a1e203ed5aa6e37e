#include <cmath>

#include "app/AssetManifest.h"
#include "resources/Bitmap.h"
#include "resources/Lookup.h"
#include "resources/ResourceIds.h"
#include "tests/screen/GameFixture.h"
#include "tests/support/TestSupport.h"

namespace {

// Frames of the Game composed headless. Where a picture is drawn unscaled onto the wood, the
// frame must hold exactly the wood with that picture drawn over it.
class Frame : public GameFixture {
protected:
    ~Frame() override { al_destroy_bitmap(frame); }
    void render() {
        al_set_target_bitmap(frame);
        game->draw();
    }
    // The w by h cell at (sx, sy) of picture `id` must be shown at (x, y).
    void expectShown(int id, int sx, int sy, int w, int h, int x, int y) {
        ALLEGRO_BITMAP* expected = al_create_bitmap(w, h);
        al_set_target_bitmap(expected);
        al_draw_bitmap_region(dLibrary::bitmapResource(RES_WOOD), x, y, w, h, 0, 0, 0);
        al_draw_bitmap_region(dLibrary::bitmapResource(id), sx, sy, w, h, 0, 0, 0);
        EXPECT_EQ(differingPixels(frame, x, y, expected, 0, 0, w, h), 0);
        al_destroy_bitmap(expected);
    }
    // Whether the computer's banner shows: the middle of the frame differs from the same
    // position drawn with Red to move, which never shows it.
    bool bannerShown() {
        render();
        ALLEGRO_BITMAP* shown = al_clone_bitmap(frame);
        const uint8_t side = game->sideToMove;
        game->sideToMove = Red;
        render();
        game->sideToMove = side;
        const bool differs = differingPixels(shown, 250, 250, frame, 250, 250, 300, 100, false) > 0;
        al_destroy_bitmap(shown);
        return differs;
    }
    // The left edges between x0 and x1 at which the frame shows square `cell` of the row of
    // squares in picture `id` in the band below the board (y 556 to 600): wherever each of its
    // opaque pixels is. It must be centred in the band, any odd pixel below.
    std::vector<int> shownInBand(int id, int cell, int x0, int x1) {
        ALLEGRO_BITMAP* picture = dLibrary::bitmapResource(id);
        const int side = al_get_bitmap_height(picture);
        std::vector<std::pair<int, int>> opaque;
        for (int j = 0; j < side; ++j)
            for (int i = 0; i < side; ++i)
                if ((pixelAt(picture, cell * side + i, j) & 255) == 255) opaque.push_back({i, j});
        std::vector<int> places;
        for (int y = 556; y + side <= 600; ++y) {
            for (int x = x0; x + side <= x1; ++x) {
                bool shown = !opaque.empty();
                for (auto it = opaque.begin(); shown && it != opaque.end(); ++it)
                    shown = pixelAt(frame, x + it->first, y + it->second) ==
                            pixelAt(picture, cell * side + it->first, it->second);
                if (!shown) continue;
                places.push_back(x);
                const int above = y - 556, below = 600 - y - side;
                EXPECT_TRUE(below == above || below == above + 1) << above << " above, " << below;
            }
        }
        return places;
    }
    static int size(int id, bool width = false) {
        ALLEGRO_BITMAP* bitmap = dLibrary::bitmapResource(id);
        return width ? al_get_bitmap_width(bitmap) : al_get_bitmap_height(bitmap);
    }

    ALLEGRO_BITMAP* frame = al_create_bitmap(LAYOUT_SCREEN_WIDTH, LAYOUT_SCREEN_HEIGHT);
};

// The relative luminance of WCAG's contrast ratio.
float luminance(ALLEGRO_COLOR c) {
    auto linear = [](float v) {
        return v <= 0.04045f ? v / 12.92f : std::pow((v + 0.055f) / 1.055f, 2.4f);
    };
    return 0.2126f * linear(c.r) + 0.7152f * linear(c.g) + 0.0722f * linear(c.b);
}

}  // namespace

TEST_F(Frame, ShowsEachSidesLabelAndTwoDigitCountInGroupsSymmetricAboutTheBoardsCentre) {
    const int digit = size(RES_DIGITS), label = size(RES_SCORE);
    game->redCount = 64;
    game->blueCount = 1;  // with its leading zero
    render();
    // Each group is its label, 4 pixels and two digits; Red's starts at 48 and Blue's ends at
    // 552, either side of the board's centre line x = 300.
    using Places = std::vector<int>;
    EXPECT_EQ(shownInBand(RES_SCORE, 0, 0, 300), Places{48});
    EXPECT_EQ(shownInBand(RES_DIGITS, 6, 0, 300), Places{48 + label + 4});
    EXPECT_EQ(shownInBand(RES_DIGITS, 4, 0, 300), Places{48 + label + 4 + digit});
    EXPECT_EQ(shownInBand(RES_SCORE, 1, 300, 800), Places{552 - 2 * digit - 4 - label});
    EXPECT_EQ(shownInBand(RES_DIGITS, 0, 300, 800), Places{552 - 2 * digit});
    EXPECT_EQ(shownInBand(RES_DIGITS, 1, 300, 800), Places{552 - digit});
}

TEST_F(Frame, ShowsTheLettersAboveAndTheNumbersLeftOfTheBoardCentredOnTheirSquares) {
    render();
    const int width = size(RES_GRID_NUMERIC, true), height = size(RES_GRID_ALPHA);
    const int stripEnd = 36;  // the strips end 8 pixels before the board
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE("glyph " + std::to_string(i));
        const int centre = LAYOUT_BOARD_LEFT + LAYOUT_SQUARE_SIZE * i + LAYOUT_SQUARE_SIZE / 2;
        expectShown(RES_GRID_ALPHA, width * i, 0, width, height, centre - width / 2,
                    stripEnd - height);
        expectShown(RES_GRID_NUMERIC, 0, height * i, width, height, stripEnd - width,
                    centre - height / 2);
    }
}

TEST_F(Frame, ShowsTheBannerOnlyWhileTheComputerIsAboutToMove) {
    clickSquare(2, 4);
    EXPECT_FALSE(bannerShown()) << "Blue to move in a two-person game";
    game->newGame(OPPONENT_COMPUTER);
    clickSquare(2, 4);
    EXPECT_TRUE(bannerShown()) << "after Red's move against the computer";
    tick();
    EXPECT_FALSE(bannerShown()) << "after the computer's move";

    // Red's c1 leaves Blue no move; the winner's "Yes" opens the opponent choice, and a close
    // request declined over it leaves that choice on screen with nobody about to move.
    game->newGame(OPPONENT_COMPUTER);
    setUpLastMove();
    clickSquare(2, 0);
    answerBoxes({"Yes"});
    openBox();
    send(ALLEGRO_EVENT_DISPLAY_CLOSE);
    answerBoxes({"No"});
    tick();
    EXPECT_FALSE(bannerShown()) << "over the opponent choice of a finished game";
}

TEST_F(Frame, TheArrowSwingsEightPixelsLeftFromBesideTheLabelOfTheSideToMove) {
    // The labels where the frame shows them; the arrow's place is just left of the label of
    // the side to move (of Blue's when the arrow is as wide as a digit, as the artwork's is).
    const int arrowWidth = size(RES_ARROW, true);
    ASSERT_EQ(arrowWidth, size(RES_DIGITS));
    render();
    for (const int cell : {0, 1}) {
        SCOPED_TRACE(cell ? "Blue" : "Red");
        const std::vector<int> labels = shownInBand(RES_SCORE, cell, 0, 800);
        ASSERT_EQ(labels.size(), 1u);
        std::vector<int> places{game->turnArrow.x};
        for (int i = 0; i < 17; ++i, tick()) places.push_back(game->turnArrow.x);
        EXPECT_LT(places[2], places[1]) << "it swings left first";
        const int right = labels[0] - arrowWidth;
        EXPECT_EQ(*std::max_element(places.begin() + 1, places.end()), right);
        EXPECT_EQ(*std::min_element(places.begin(), places.end()), right - 8);
        const int above = game->turnArrow.y - 556,
                  below = 600 - game->turnArrow.y - size(RES_ARROW);
        EXPECT_TRUE(below == above || below == above + 1) << "centred in the band";
        clickSquare(2, 4);
        tick();
    }
}

TEST_F(Frame, TheDisabledUndoMoveFaceGivesItsLightBlueLabelAContrastOfAtLeast4Point5) {
    const Button& undo = game->buttons[ACTION_UNDO_MOVE];
    ASSERT_FALSE(undo.enabled);
    render();
    const float label = luminance(dLibrary::colorResource(RES_COLOR_LIGHT_BLUE));
    const int lineHeight = al_get_font_line_height(dLibrary::fontResource(RES_FONT));
    // Left of the label in its rows: the stretched face, the same as under the letters.
    for (int y = undo.labelY; y < undo.labelY + lineHeight; ++y) {
        const float face = luminance(al_get_pixel(frame, undo.x + 12, y));
        EXPECT_GE((label + 0.05f) / (face + 0.05f), 4.5f) << "row " << y;
    }
}

// At loading, the pictures the frames draw move into one shared texture, the icon and cursor
// picture stay apart. Each must still hold exactly the pixels of its file, or of its cut.
TEST(SharedTexture, HoldsEveryPictureTheFramesDrawWithTheFilesOwnPixels) {
    ALLEGRO_BITMAP* shared = al_get_parent_bitmap(dLibrary::bitmapResource(RES_WOOD));
    ASSERT_NE(shared, nullptr);
    auto expectMoved = [shared](ALLEGRO_BITMAP* loaded, ALLEGRO_BITMAP* fresh, bool drawn) {
        const int w = al_get_bitmap_width(fresh), h = al_get_bitmap_height(fresh);
        ASSERT_EQ(al_get_bitmap_width(loaded), w);
        ASSERT_EQ(al_get_bitmap_height(loaded), h);
        EXPECT_EQ(differingPixels(loaded, 0, 0, fresh, 0, 0, w, h), 0);
        EXPECT_EQ(al_get_parent_bitmap(loaded), drawn ? shared : nullptr);
    };
    for (const BitmapEntry* entry = bitmapEntries; entry->id >= 0; ++entry) {
        if (entry->kind != ENTRY_LOAD) continue;
        SCOPED_TRACE(entry->fileName);
        ALLEGRO_BITMAP* fresh =
            dLibrary::loadBitmap(std::string("data/bitmaps/") + entry->fileName, entry->key);
        expectMoved(dLibrary::bitmapResource(entry->id), fresh, drawnInFrames(entry->id));
        dLibrary::destroyBitmap(fresh);
    }
    for (const NinePatchEntry* entry = ninePatchEntries; entry->id >= 0; ++entry) {
        SCOPED_TRACE(entry->fileName);
        dLibrary::dNinePatch* fresh = dLibrary::dNinePatch::createFromFile(entry->fileName);
        ASSERT_NE(fresh, nullptr);
        for (int i = 0; i < 9; ++i) {
            expectMoved(dLibrary::ninePatchResource(entry->id).pieces[i], fresh->pieces[i], true);
        }
        ++objectsFreed;
        delete fresh;
    }
}
