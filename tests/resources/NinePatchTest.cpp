#include "resources/NinePatch.h"

#include <climits>
#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "base/Log.h"
#include "tests/support/TestSupport.h"

using dLibrary::dNinePatch;

namespace {

const uint32_t BACKGROUND = rgba(40, 40, 40), MAGENTA = rgba(255, 0, 255);

uint32_t regionColour(int piece) {  // one colour for each piece, in piece order
    return rgba(20 + 25 * piece, 200 - 20 * piece, 60 + 15 * piece);
}

// A source whose nine regions are solid, in their colours (magenta for `magentaRegion`),
// with marker lines in row 0 and column 0 that set its size: 'M' magenta, 'B' black, 'X'
// almost magenta; translucent 'h' magenta at alpha 128, 'z' magenta at alpha 0.
ALLEGRO_BITMAP* source(const std::string& row, const std::string& column, int magentaRegion = -1) {
    const int width = row.size(), height = column.size();
    auto band = [](const std::string& line, size_t p) {
        return p < line.find('B') ? 0 : p <= line.rfind('B') ? 1 : 2;
    };
    return paintedBitmap(width, height, [&](int x, int y) {
        const char marker = y == 0 ? row[x] : x == 0 ? column[y] : 0;
        const int region = 3 * band(column, y) + band(row, x);
        const uint32_t markers[] = {rgba(0, 0, 0), rgba(255, 0, 254), rgba(255, 0, 255, 128),
                                    rgba(255, 0, 255, 0), MAGENTA};
        if (marker) return markers[std::string("BXhzM").find(marker)];
        const bool border = x < 2 || y < 2 || x >= width - 2 || y >= height - 2;
        return border || region == magentaRegion ? MAGENTA : regionColour(region);
    });
}

}  // namespace

TEST(NinePatch, CornersKeepTheirSizeWhileEdgesAndTheCentreStretch) {
    // Corners 1 and 2 wide, 3 and 1 high. Drawn at 20 by 10, then smaller than the corners
    // both ways, then only too narrow; then far off the canvas, with sums beyond 32 bits.
    const int rects[3][4] = {{5, 4, 20, 10}, {1, 1, 1, 1}, {30, 2, 1, 6}};
    const char *topMarks = "MMMBBBMMMM", *leftMarks = "MMMMMBMMM";
    ALLEGRO_BITMAP* canvas = paintedBitmap(40, 20, [](int, int) { return BACKGROUND; });
    ALLEGRO_BITMAP* sources[2] = {source(topMarks, leftMarks), source(topMarks, leftMarks, 4)};
    al_set_target_bitmap(canvas);
    dNinePatch* frame = dNinePatch::createFromBitmap(sources[0]);
    dNinePatch* keyed = dNinePatch::createFromBitmap(sources[1]);
    ASSERT_TRUE(frame && keyed);
    EXPECT_EQ(al_get_target_bitmap(), canvas) << "the target must be restored";
    for (const auto& r : rects) frame->draw(r[0], r[1], r[2], r[3]);
    for (int far : {INT_MIN, INT_MAX}) frame->draw(far, far, far, far);
    auto band = [](int d, int first, int stretched, int last) {
        return d < first ? 0 : d < first + stretched ? 1 : d < first + stretched + last ? 2 : -1;
    };
    ALLEGRO_BITMAP* expected = paintedBitmap(40, 20, [&](int x, int y) {
        for (const auto& r : rects) {
            if (x < r[0] || y < r[1]) continue;
            const int column = band(x - r[0], 1, std::max(r[2] - 3, 0), 2);
            const int row = band(y - r[1], 3, std::max(r[3] - 4, 0), 1);
            if (column >= 0 && row >= 0) return regionColour(3 * row + column);
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

// Only the log shows that a frame file was refused for its markers. Markers are read on
// red, green and blue alone.
TEST(NinePatch, MarkersAreReadWithoutAlphaAndBrokenOnesLeaveNothingButTheirLogLines) {
    const std::string path = ::testing::TempDir() + "tilecrest-" + std::to_string(getpid());
    const char* const markerLines[][2] = {
        {"MXMBMMM", "MMMBMMM"}, {"MMMBMMM", "MMMBMMX"},  // almost magenta, in row 0 or column 0
        {"MMMBBBB", "MMMBMMM"}, {"MMMBMBM", "MMMBMMM"},  // a black run to the end, a second run
        {"MMBBMMM", "MMMBMMM"}, {"MMMBMMM", "MMMBBMM"},  // no room for left or bottom corners
        {"hMMBMMz", "MMhBMMM"}};                         // translucent magenta is magenta, accepted
    for (const auto& [row, column] : markerLines) {
        const bool accepted = std::string(row) == "hMMBMMz";
        ALLEGRO_BITMAP* src = source(row, column);
        ASSERT_TRUE(al_save_bitmap((path + ".png").c_str(), src));
        al_destroy_bitmap(src);
        CountDelta counts;
        gLog.open(path + ".log");
        dNinePatch* ninePatch = dNinePatch::createFromFile(path + ".png");
        gLog.close();
        EXPECT_EQ(ninePatch != nullptr, accepted) << row << " " << column;
        if (ninePatch) ++objectsFreed;
        delete ninePatch;
        EXPECT_EQ(counts.freed(), counts.created());
        if (accepted) continue;
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
