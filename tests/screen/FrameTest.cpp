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
        EXPECT_EQ(differingPixels(frame, x, y, expected, 0, 0, w, h), 0) << id << " at " << x;
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
        const bool differs = differingPixels(shown, 250, 250, frame, 250, 250, 300, 100) > 0;
        al_destroy_bitmap(shown);
        return differs;
    }
    static int size(int id, bool width = false) {
        ALLEGRO_BITMAP* bitmap = dLibrary::bitmapResource(id);
        return width ? al_get_bitmap_width(bitmap) : al_get_bitmap_height(bitmap);
    }
    // The top of a picture `height` high centred in the band below the board (y 556 to 600).
    static int bandTop(int height) { return 556 + (44 - height) / 2; }

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

// Each side's group in the band is its label, 4 pixels and two digits, Red's from 48 and Blue's
// to 552 about the board's centre x = 300. The letters above the board and the numbers left of
// it are centred on their squares, the strips ending 8 pixels before the board.
TEST_F(Frame, ShowsTheScoreInGroupsSymmetricAboutTheBoardsCentreAndTheCoordinatesOnTheirSquares) {
    const int digit = size(RES_DIGITS), label = size(RES_SCORE), blue = 552 - 2 * digit - 4 - label;
    game->redCount = 64;
    game->blueCount = 1;  // with its leading zero
    render();
    expectShown(RES_SCORE, 0, 0, label, label, 48, bandTop(label));
    expectShown(RES_SCORE, label, 0, label, label, blue, bandTop(label));
    for (const auto& [cell, x] : {std::pair{6, 48 + label + 4},
                                  {4, 48 + label + 4 + digit},
                                  {0, 552 - 2 * digit},
                                  {1, 552 - digit}})
        expectShown(RES_DIGITS, cell * digit, 0, digit, digit, x, bandTop(digit));
    const int width = size(RES_GRID_NUMERIC, true), height = size(RES_GRID_ALPHA);
    for (int i = 0; i < 8; ++i) {
        const int centre = LAYOUT_BOARD_LEFT + LAYOUT_SQUARE_SIZE * i + LAYOUT_SQUARE_SIZE / 2;
        expectShown(RES_GRID_ALPHA, width * i, 0, width, height, centre - width / 2, 36 - height);
        expectShown(RES_GRID_NUMERIC, 0, height * i, width, height, 36 - width,
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

// Its place is just left of the label of the side to move (of Blue's when the arrow is as
// wide as a digit, as the artwork's is), centred in the band.
TEST_F(Frame, TheArrowSwingsEightPixelsLeftFromBesideTheLabelOfTheSideToMove) {
    const int arrow = size(RES_ARROW, true), label = size(RES_SCORE);
    ASSERT_EQ(arrow, size(RES_DIGITS));
    for (const int right : {48 - arrow, 552 - 3 * arrow - 4 - label}) {
        std::vector<int> places{game->turnArrow.x};
        for (int i = 0; i < 17; ++i, tick()) places.push_back(game->turnArrow.x);
        EXPECT_LT(places[2], places[1]) << "it swings left first";
        EXPECT_EQ(*std::max_element(places.begin() + 1, places.end()), right);
        EXPECT_EQ(*std::min_element(places.begin(), places.end()), right - 8);
        EXPECT_EQ(game->turnArrow.y, bandTop(size(RES_ARROW)));
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
        for (int i = 0; i < 9; ++i)
            expectMoved(dLibrary::ninePatchResource(entry->id).pieces[i], fresh->pieces[i], true);
        ++objectsFreed;
        delete fresh;
    }
}
