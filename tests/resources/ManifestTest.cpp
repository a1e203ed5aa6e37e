#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>
#include <gtest/gtest.h>

#include "app/AssetManifest.h"
#include "resources/Registry.h"
#include "resources/ResourceIds.h"
#include "tests/resources/TestSupport.h"

namespace {

namespace fs = std::filesystem;

std::vector<int32_t> registeredIds() {
    std::vector<int32_t> ids;
    for (const auto& slot : dLibrary::resources) {
        EXPECT_NE(slot.second, nullptr) << "id " << slot.first;
        ids.push_back(slot.first);
    }
    return ids;
}

std::vector<int32_t> idRange(int32_t first, int32_t last) {
    std::vector<int32_t> ids;
    for (int32_t id = first; id <= last; ++id) ids.push_back(id);
    return ids;
}

const char* const LOADED_FILES[] = {
    "icon.png",   "mouse.png",    "wood.png",      "grid_alpha.png", "grid_numeric.png",
    "cell.png",   "red_disk.png", "blue_disk.png", "select.png",     "highlight.png",
    "digits.png", "score.png",    "arrow.png"};
const char* const NINE_PATCH_FILES[] = {"message.png", "button.png", "button_push.png",
                                        "button_hover.png", "button_disabled.png"};

// Runs in a copy of the generated data folder, as the game does beside its executable.
class ManifestTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy(TILECREST_DATA_DIR, scratch.path() / "data", fs::copy_options::recursive);
        previous = fs::current_path();
        fs::current_path(scratch.path());
    }
    void TearDown() override {
        dLibrary::destroyResources();
        fs::current_path(previous);
    }
    void removeData(const std::string& file) { ASSERT_TRUE(fs::remove(scratch.path() / file)); }

    ScratchDir scratch;
    fs::path previous;
};

TEST_F(ManifestTest, ACompleteLoadRegistersIdsZeroToTwentyFour) {
    LogCapture log;
    CountDelta counts;
    ASSERT_EQ(loadResources(), 0);
    EXPECT_EQ(counts.created(), 95u);
    EXPECT_EQ(counts.freed(), 5u);
    EXPECT_EQ(registeredIds(), idRange(0, 24));

    auto* screen = static_cast<ALLEGRO_BITMAP*>(dLibrary::getData(RES_SCREEN));
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(al_get_bitmap_width(screen), 800);
    EXPECT_EQ(al_get_bitmap_height(screen), 600);
    auto* lightBlue = static_cast<ALLEGRO_COLOR*>(dLibrary::getData(RES_COLOR_LIGHT_BLUE));
    unsigned char r, g, b;
    al_unmap_rgb(*lightBlue, &r, &g, &b);
    EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{64, 192, 255}));
    auto* font = static_cast<ALLEGRO_FONT*>(dLibrary::getData(RES_FONT));
    ASSERT_NE(font, nullptr);
    EXPECT_GT(al_get_font_line_height(font), 0);

    // The transcript, with the nine-patch pieces' sizes left open.
    std::vector<std::string> expected = {"Bitmap 800x600 created", "Bitmap 800x600 created"};
    for (const char* file : LOADED_FILES)
        expected.push_back(std::string("Bitmap \"data/bitmaps/") + file + "\" loaded");
    for (const char* file : NINE_PATCH_FILES) {
        const std::string path = std::string("data/bitmaps/") + file;
        expected.push_back("Nine patch created from file: \"" + path + "\"");
        expected.push_back("\tBitmap \"" + path + "\" loaded");
        expected.insert(expected.end(), 9, "\tBitmap WxH created");
        expected.push_back("\tBitmap destroyed");
        expected.push_back("\t-------- success");
    }
    std::vector<std::string> lines = log.lines();
    const std::regex pieceLine("\tBitmap [0-9]+x[0-9]+ created");
    for (std::string& line : lines)
        if (std::regex_match(line, pieceLine)) line = "\tBitmap WxH created";
    EXPECT_EQ(lines, expected);

    dLibrary::destroyResources();
    EXPECT_EQ(counts.freed(), counts.created());
}

TEST_F(ManifestTest, WithoutTheWoodTheLoadStopsAtIdFour) {
    removeData("data/bitmaps/wood.png");
    LogCapture log;
    CountDelta counts;
    EXPECT_EQ(loadResources(), -1);
    EXPECT_EQ(registeredIds(), idRange(0, 3));
    EXPECT_EQ(log.lines(), (std::vector<std::string>{
                               "Bitmap 800x600 created",
                               "Bitmap 800x600 created",
                               "Bitmap \"data/bitmaps/icon.png\" loaded",
                               "Bitmap \"data/bitmaps/mouse.png\" loaded",
                               "Bitmap \"data/bitmaps/wood.png\" could not be loaded",
                           }));
    dLibrary::destroyResources();
    EXPECT_EQ(counts.freed(), counts.created());
}

TEST_F(ManifestTest, WithoutTheFontNothingAboutItIsLogged) {
    removeData("data/fonts/arlrdbd.ttf");
    LogCapture log;
    CountDelta counts;
    EXPECT_EQ(loadResources(), -1);
    EXPECT_EQ(registeredIds(), idRange(0, 18)) << "every bitmap and colour";
    std::vector<std::string> lines = log.lines();
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines.back(), "Bitmap \"data/bitmaps/arrow.png\" loaded");
    dLibrary::destroyResources();
    EXPECT_EQ(counts.freed(), counts.created());
}

TEST_F(ManifestTest, ABrokenFrameFailsTheLoadWithoutALeak) {
    // A picture without markers in place of the hover face.
    ALLEGRO_BITMAP* plain = paintedBitmap(8, 8, [](int, int) { return al_map_rgb(9, 9, 9); });
    al_save_bitmap("data/bitmaps/button_hover.png", plain);
    al_destroy_bitmap(plain);
    LogCapture log;
    CountDelta counts;
    EXPECT_EQ(loadResources(), -1);
    EXPECT_EQ(registeredIds(), idRange(0, 22));
    EXPECT_EQ(log.lines().back(), "\t-------- failed!");
    dLibrary::destroyResources();
    EXPECT_EQ(counts.freed(), counts.created());
}

}  // namespace
