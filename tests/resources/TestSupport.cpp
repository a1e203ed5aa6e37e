#include "tests/resources/TestSupport.h"

#include <cstdlib>
#include <fstream>
#include <ostream>

#include <allegro5/allegro_font.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_primitives.h>
#include <allegro5/allegro_ttf.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "app/Log.h"
#include "rules/ObjectCounters.h"

namespace {

class AllegroEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        ASSERT_TRUE(al_init());
        ASSERT_TRUE(al_init_image_addon());
        ASSERT_TRUE(al_init_font_addon());
        ASSERT_TRUE(al_init_ttf_addon());
        ASSERT_TRUE(al_init_primitives_addon());
    }
};

::testing::Environment* const allegroEnvironment =
    ::testing::AddGlobalTestEnvironment(new AllegroEnvironment);

std::string testName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return info != nullptr ? std::string(info->test_suite_name()) + "." + info->name() : "test";
}

}  // namespace

LogCapture::LogCapture()
    : file(std::filesystem::temp_directory_path() /
           ("tilecrest-log-" + std::to_string(getpid()) + ".txt")) {
    gLog.open(file.string());
}

LogCapture::~LogCapture() {
    gLog.close();
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
}

std::vector<std::string> LogCapture::lines() const {
    std::ifstream in(file);
    std::vector<std::string> all;
    for (std::string line; std::getline(in, line);) all.push_back(line);
    // The opening banner ends with the second rule after " Log opened: ...".
    size_t start = 0;
    for (size_t i = 0; i < all.size(); ++i) {
        if (all[i].rfind(" Log opened:", 0) == 0) {
            start = i + 2;
            break;
        }
    }
    return std::vector<std::string>(all.begin() + std::min(start, all.size()), all.end());
}

ScratchDir::ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tilecrest-XXXXXX").string();
    root = mkdtemp(pattern.data());
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
}

CountDelta::CountDelta() : created0(objectsCreated), freed0(objectsFreed) {}
uint32_t CountDelta::created() const {
    return objectsCreated - created0;
}
uint32_t CountDelta::freed() const {
    return objectsFreed - freed0;
}

std::ostream& operator<<(std::ostream& out, const Pixel& pixel) {
    return out << "(" << int(pixel.r) << ", " << int(pixel.g) << ", " << int(pixel.b) << ", "
               << int(pixel.a) << ")";
}

Pixel pixelAt(ALLEGRO_BITMAP* bitmap, int x, int y) {
    Pixel pixel;
    al_unmap_rgba(al_get_pixel(bitmap, x, y), &pixel.r, &pixel.g, &pixel.b, &pixel.a);
    return pixel;
}

Pixel opaque(unsigned char r, unsigned char g, unsigned char b) {
    return {r, g, b, 255};
}

ALLEGRO_BITMAP* paintedBitmap(int width, int height,
                              const std::function<ALLEGRO_COLOR(int x, int y)>& colourAt) {
    ALLEGRO_BITMAP* bitmap = al_create_bitmap(width, height);
    ALLEGRO_BITMAP* previous = al_get_target_bitmap();
    al_set_target_bitmap(bitmap);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) al_put_pixel(x, y, colourAt(x, y));
    al_set_target_bitmap(previous);
    return bitmap;
}

std::string savePicture(ALLEGRO_BITMAP* bitmap, const std::string& suffix) {
    std::string path = std::string(TILECREST_TEST_OUTPUT_DIR) + "/" + testName() + suffix + ".png";
    al_save_bitmap(path.c_str(), bitmap);
    return path;
}
