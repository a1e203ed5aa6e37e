#include "resources/NinePatch.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/Log.h"
#include "tests/support/TestSupport.h"

using dLibrary::dNinePatch;

namespace {

const uint32_t BACKGROUND = rgba(40, 40, 40), MAGENTA = rgba(255, 0, 255);

uint32_t regionColour(int piece) {  // one colour for each piece, in piece order
    return rgba(20 + 25 * piece, 200 - 20 * piece, 60 + 15 * piece);
}

// A 7 by 7 source whose nine regions are one pixel each, in their colours (magenta for
// `magentaRegion`), with marker lines in row 0 and column 0: 'M' magenta, 'B' black, 'X'
// almost magenta.
ALLEGRO_BITMAP* source(const std::string& row, const std::string& column, int magentaRegion = -1) {
    return paintedBitmap(7, 7, [&](int x, int y) {
        const char marker = y == 0 ? row[x] : x == 0 ? column[y] : 0;
        const int region = 3 * (y - 2) + (x - 2);
        if (marker)
            return marker == 'B' ? rgba(0, 0, 0) : marker == 'X' ? rgba(255, 0, 254) : MAGENTA;
        const bool border = x < 2 || y < 2 || x > 4 || y > 4;
        return border || region == magentaRegion ? MAGENTA : regionColour(region);
    });
}

}  // namespace

TEST(NinePatch, CornersKeepTheirSizeWhileEdgesAndTheCentreStretch) {
    // Drawn at 20 by 10, then smaller than the corners both ways, then only too narrow.
    const int rects[3][4] = {{5, 4, 20, 10}, {1, 1, 1, 1}, {30, 2, 1, 6}};
    ALLEGRO_BITMAP* canvas = paintedBitmap(40, 20, [](int, int) { return BACKGROUND; });
    ALLEGRO_BITMAP* sources[2] = {source("MMMBMMM", "MMMBMMM"), source("MMMBMMM", "MMMBMMM", 4)};
    al_set_target_bitmap(canvas);
    dNinePatch* frame = dNinePatch::createFromBitmap(sources[0]);
    dNinePatch* keyed = dNinePatch::createFromBitmap(sources[1]);
    ASSERT_TRUE(frame && keyed);
    EXPECT_EQ(al_get_target_bitmap(), canvas) << "the target must be restored";
    for (const auto& r : rects) frame->draw(r[0], r[1], r[2], r[3]);
    ALLEGRO_BITMAP* expected = paintedBitmap(40, 20, [&](int x, int y) {
        for (const auto& r : rects) {  // every piece is 1 by 1; corners are never shrunk
            const int right = r[0] + std::max(r[2], 2) - 1, bottom = r[1] + std::max(r[3], 2) - 1;
            if (x < r[0] || y < r[1] || x > right || y > bottom) continue;
            const int row = y == r[1] ? 0 : y == bottom ? 2 : 1;
            const int column = x == r[0] ? 0 : x == right ? 2 : 1;
            return regionColour(3 * row + column);
        }
        return BACKGROUND;
    });
    EXPECT_EQ(differingPixels(canvas, 0, 0, expected, 0, 0, 40, 20), 0);
    EXPECT_EQ(pixelAt(keyed->pieces[4], 0, 0) & 255, 0u) << "magenta inside is transparent";
    CountDelta counts;
    objectsFreed += 2;
    delete frame;
    delete keyed;
    EXPECT_EQ(counts.freed(), 20u);
    for (ALLEGRO_BITMAP* bitmap : {canvas, sources[0], sources[1], expected})
        al_destroy_bitmap(bitmap);
}

// Only the log shows that a frame file was refused for its markers.
TEST(NinePatch, EveryBrokenMarkerLineIsRefusedLeavingNothingButItsLogLines) {
    const std::string path = ::testing::TempDir() + "tilecrest-" + std::to_string(getpid());
    const char* const markerLines[][2] = {
        {"MXMBMMM", "MMMBMMM"}, {"MMMBMMM", "MMMBMMX"},   // almost magenta, in row 0 or column 0
        {"MMMMMMM", "MMMBMMM"}, {"MMMBBBB", "MMMBMMM"},   // no black run, or one to the end
        {"MMMBMBM", "MMMBMMM"},                           // a second black run
        {"MMBBMMM", "MMMBMMM"}, {"MMMBMMM", "MMMBBMM"}};  // no room for left or bottom corners
    for (const auto& [row, column] : markerLines) {
        ALLEGRO_BITMAP* src = source(row, column);
        ASSERT_TRUE(al_save_bitmap((path + ".png").c_str(), src));
        al_destroy_bitmap(src);
        CountDelta counts;
        gLog.open(path + ".log");
        EXPECT_EQ(dNinePatch::createFromFile(path + ".png"), nullptr) << row << " " << column;
        gLog.close();
        EXPECT_EQ(counts.freed(), counts.created());
        std::ifstream log(path + ".log");
        std::string lines, line;
        for (int i = 0; std::getline(log, line); ++i) lines += i >= 5 && i < 10 ? line + "\n" : "";
        EXPECT_EQ(lines, "Nine patch created from file: \"" + path + ".png\"\n\tBitmap \"" + path +
                             ".png\" loaded\n\tNine patch destroyed (0 bitmaps)\n"
                             "\tBitmap destroyed\n\t-------- failed!\n");
    }
    std::remove((path + ".png").c_str());
    std::remove((path + ".log").c_str());
}
