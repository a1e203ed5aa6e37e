#include <string>
#include <vector>

#include <allegro5/allegro.h>
#include <gtest/gtest.h>

#include "app/Log.h"
#include "resources/NinePatch.h"
#include "rules/ObjectCounters.h"
#include "tests/resources/TestSupport.h"

namespace {

using dLibrary::dNinePatch;

// One colour per region of the picture, in piece order.
const Pixel REGION[9] = {opaque(200, 0, 0),   opaque(0, 200, 0),   opaque(0, 0, 200),
                         opaque(200, 200, 0), opaque(0, 200, 200), opaque(200, 0, 200),
                         opaque(100, 50, 0),  opaque(0, 100, 50),  opaque(50, 0, 100)};
const Pixel BACKGROUND = opaque(40, 40, 40);

ALLEGRO_COLOR colourOf(const Pixel& p) {
    return al_map_rgba(p.r, p.g, p.b, p.a);
}

ALLEGRO_COLOR markerColour(char marker) {
    switch (marker) {
        case 'B':
            return al_map_rgb(0, 0, 0);
        case 'X':
            return al_map_rgb(255, 0, 254);
        default:
            return al_map_rgb(255, 0, 255);
    }
}

// The standard marker line for corners of `corner` pixels around a band of `band`.
std::string markers(int corner, int band) {
    return std::string(2 + corner, 'M') + std::string(band, 'B') + std::string(corner + 2, 'M');
}

// A nine-patch source whose picture has corners of `corner` pixels and a band of `band`,
// each region in its REGION colour (or magenta where `magentaRegion` says), with the
// given marker lines in row 0 and column 0.
ALLEGRO_BITMAP* source(int corner, int band, const std::string& row, const std::string& column,
                       int magentaRegion = -1) {
    const int size = 2 * corner + band + 4;
    auto bandOf = [&](int p) { return p < 2 + corner ? 0 : p < 2 + corner + band ? 1 : 2; };
    return paintedBitmap(size, size, [&](int x, int y) {
        if (y == 0) return markerColour(row[x]);
        if (x == 0) return markerColour(column[y]);
        if (x < 2 || y < 2 || x >= size - 2 || y >= size - 2) return al_map_rgb(255, 0, 255);
        int region = 3 * bandOf(y) + bandOf(x);
        return region == magentaRegion ? al_map_rgb(255, 0, 255) : colourOf(REGION[region]);
    });
}

ALLEGRO_BITMAP* canvas(int width, int height) {
    ALLEGRO_BITMAP* target = al_create_bitmap(width, height);
    al_set_target_bitmap(target);
    al_clear_to_color(colourOf(BACKGROUND));
    return target;
}

// Compares every pixel with the expectation and saves the picture when any differs.
void expectPicture(ALLEGRO_BITMAP* picture, const std::function<Pixel(int x, int y)>& expected) {
    int wrong = 0;
    for (int y = 0; y < al_get_bitmap_height(picture); ++y) {
        for (int x = 0; x < al_get_bitmap_width(picture); ++x) {
            if (pixelAt(picture, x, y) == expected(x, y)) continue;
            if (++wrong <= 5)
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << pixelAt(picture, x, y)
                              << ", expected " << expected(x, y);
        }
    }
    if (wrong > 0) ADD_FAILURE() << wrong << " wrong pixels; picture: " << savePicture(picture, "");
}

void deleteNinePatch(dNinePatch* ninePatch) {
    ++objectsFreed;
    delete ninePatch;
}

TEST(NinePatchTest, TheSevenBySevenExampleStretchesToTwentyByTen) {
    ALLEGRO_BITMAP* src = source(1, 1, "MMMBMMM", "MMMBMMM");
    ALLEGRO_BITMAP* target = canvas(30, 20);
    LogCapture log;
    CountDelta counts;

    dNinePatch* ninePatch = dNinePatch::createFromBitmap(src);
    ASSERT_NE(ninePatch, nullptr);
    EXPECT_TRUE(ninePatch->valid);
    EXPECT_EQ(al_get_target_bitmap(), target) << "the target bitmap is restored";
    for (ALLEGRO_BITMAP* piece : ninePatch->pieces) {
        EXPECT_EQ(al_get_bitmap_width(piece), 1);
        EXPECT_EQ(al_get_bitmap_height(piece), 1);
    }
    EXPECT_EQ(counts.created(), 10u);

    ninePatch->draw(5, 4, 20, 10);
    expectPicture(target, [](int x, int y) {
        if (x < 5 || x >= 25 || y < 4 || y >= 14) return BACKGROUND;
        int column = x == 5 ? 0 : x == 24 ? 2 : 1;
        int row = y == 4 ? 0 : y == 13 ? 2 : 1;
        return REGION[3 * row + column];
    });

    deleteNinePatch(ninePatch);
    EXPECT_EQ(counts.freed(), 10u);
    std::vector<std::string> expected(9, "Bitmap 1x1 created");
    expected.insert(expected.end(), 9, "Bitmap destroyed");
    expected.push_back("Nine patch destroyed (9 bitmaps)");
    EXPECT_EQ(log.lines(), expected);
    al_destroy_bitmap(target);
    al_destroy_bitmap(src);
}

TEST(NinePatchTest, MagentaInsideThePictureIsTransparent) {
    ALLEGRO_BITMAP* src = source(2, 2, markers(2, 2), markers(2, 2), 4);
    ALLEGRO_BITMAP* target = canvas(20, 20);
    LogCapture log;
    dNinePatch* ninePatch = dNinePatch::createFromBitmap(src);
    ASSERT_NE(ninePatch, nullptr);
    EXPECT_EQ(pixelAt(ninePatch->pieces[4], 0, 0).a, 0);
    EXPECT_EQ(pixelAt(ninePatch->pieces[0], 0, 0), REGION[0]) << "the marker is not in a piece";

    ninePatch->draw(2, 2, 12, 10);
    expectPicture(target, [](int x, int y) {
        if (x < 2 || x >= 14 || y < 2 || y >= 12) return BACKGROUND;
        int column = x < 4 ? 0 : x < 12 ? 1 : 2;
        int row = y < 4 ? 0 : y < 10 ? 1 : 2;
        return row == 1 && column == 1 ? BACKGROUND : REGION[3 * row + column];
    });
    deleteNinePatch(ninePatch);
    al_destroy_bitmap(target);
    al_destroy_bitmap(src);
}

TEST(NinePatchTest, ARectangleSmallerThanTheCornersKeepsTheCorners) {
    ALLEGRO_BITMAP* src = source(2, 1, markers(2, 1), markers(2, 1));
    ALLEGRO_BITMAP* target = canvas(20, 20);
    LogCapture log;
    dNinePatch* ninePatch = dNinePatch::createFromBitmap(src);
    ASSERT_NE(ninePatch, nullptr);

    // Too small both ways: only the corners, 4 by 4 from (1, 1).
    ninePatch->draw(1, 1, 3, 1);
    // Too narrow but tall: corners and the two side edges, no top, centre or bottom.
    ninePatch->draw(10, 2, 1, 12);
    expectPicture(target, [](int x, int y) {
        if (x >= 1 && x < 5 && y >= 1 && y < 5) return REGION[(y < 3 ? 0 : 6) + (x < 3 ? 0 : 2)];
        if (x >= 10 && x < 14 && y >= 2 && y < 14) {
            int row = y < 4 ? 0 : y < 12 ? 1 : 2;
            return REGION[3 * row + (x < 12 ? 0 : 2)];
        }
        return BACKGROUND;
    });
    deleteNinePatch(ninePatch);
    al_destroy_bitmap(target);
    al_destroy_bitmap(src);
}

TEST(NinePatchTest, EachMarkerFailureIsLoggedAndLeavesNothing) {
    struct Case {
        const char* what;
        std::string row, column;
    };
    const Case cases[] = {
        {"another colour in row 0", "MXMBMMM", "MMMBMMM"},
        {"another colour in column 0", "MMMBMMM", "MMMBMMX"},
        {"no black run", "MMMMMMM", "MMMBMMM"},
        {"a black run to the end", "MMMBBBB", "MMMBMMM"},
        {"a second black run", "MMMBMBM", "MMMBMMM"},
        {"an empty left band", "MMBBMMM", "MMMBMMM"},
        {"an empty bottom band", "MMMBMMM", "MMMBBMM"},
    };
    ScratchDir scratch;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ALLEGRO_BITMAP* src = source(1, 1, c.row, c.column);
        const std::string path = scratch.file("bad.png");
        ASSERT_TRUE(al_save_bitmap(path.c_str(), src));
        al_destroy_bitmap(src);

        LogCapture log;
        CountDelta counts;
        EXPECT_EQ(dNinePatch::createFromFile(path), nullptr);
        EXPECT_EQ(counts.created(), 2u) << "the source and the object";
        EXPECT_EQ(counts.freed(), counts.created());
        EXPECT_EQ(log.lines(), (std::vector<std::string>{
                                   "Nine patch created from file: \"" + path + "\"",
                                   "\tBitmap \"" + path + "\" loaded",
                                   "\tNine patch destroyed (0 bitmaps)",
                                   "\tBitmap destroyed",
                                   "\t-------- failed!",
                               }));
    }
}

TEST(NinePatchTest, CreatingFromAFileLogsItsBlockOneLevelDeeper) {
    ScratchDir scratch;
    ALLEGRO_BITMAP* src = source(1, 1, "MMMBMMM", "MMMBMMM");
    const std::string path = scratch.file("frame.png");
    ASSERT_TRUE(al_save_bitmap(path.c_str(), src));
    al_destroy_bitmap(src);

    LogCapture log;
    CountDelta counts;
    dNinePatch* ninePatch = dNinePatch::createFromFile(path);
    ASSERT_NE(ninePatch, nullptr);
    EXPECT_EQ(counts.created(), 11u);
    EXPECT_EQ(counts.freed(), 1u);
    EXPECT_EQ(gLog.level(), 0);
    deleteNinePatch(ninePatch);
    EXPECT_EQ(counts.freed(), 11u);
    EXPECT_EQ(dNinePatch::createFromFile("missing.png"), nullptr);
    EXPECT_EQ(counts.created(), 11u);

    std::vector<std::string> expected = {"Nine patch created from file: \"" + path + "\"",
                                         "\tBitmap \"" + path + "\" loaded"};
    expected.insert(expected.end(), 9, "\tBitmap 1x1 created");
    expected.insert(expected.end(), {"\tBitmap destroyed", "\t-------- success"});
    expected.insert(expected.end(), 9, "Bitmap destroyed");
    expected.insert(
        expected.end(),
        {"Nine patch destroyed (9 bitmaps)", "Nine patch created from file: \"missing.png\"",
         "\tBitmap \"missing.png\" could not be loaded", "\t-------- failed!"});
    EXPECT_EQ(log.lines(), expected);
}

}  // namespace
