#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <allegro5/allegro.h>
#include <gtest/gtest.h>

#include "app/AssetManifest.h"
#include "resources/NinePatch.h"
#include "rules/ObjectCounters.h"
#include "tests/resources/TestSupport.h"

namespace {

const std::string BITMAPS = std::string(TILECREST_DATA_DIR) + "/bitmaps/";

// Loaded as the game loads it: magenta keyed out.
class Picture {
public:
    explicit Picture(const std::string& name) : bitmap(al_load_bitmap((BITMAPS + name).c_str())) {
        if (bitmap != nullptr) al_convert_mask_to_alpha(bitmap, al_map_rgb(255, 0, 255));
    }
    ~Picture() {
        if (bitmap != nullptr) al_destroy_bitmap(bitmap);
    }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    int width() const { return al_get_bitmap_width(bitmap); }
    int height() const { return al_get_bitmap_height(bitmap); }
    int transparentPixels() const {
        int count = 0;
        for (int y = 0; y < height(); ++y)
            for (int x = 0; x < width(); ++x) count += pixelAt(bitmap, x, y).a == 0;
        return count;
    }
    ALLEGRO_BITMAP* bitmap;
};

void expectSize(const char* name, int width, int height) {
    Picture picture(name);
    ASSERT_NE(picture.bitmap, nullptr) << name;
    EXPECT_EQ(picture.width(), width) << name;
    EXPECT_EQ(picture.height(), height) << name;
}

TEST(ArtworkTest, EveryFileExistsWithTheSizeTheScreenReliesOn) {
    for (const BitmapEntry* entry = bitmapEntries; entry->id >= 0; ++entry) {
        if (entry->kind == ENTRY_LOAD) {
            EXPECT_TRUE(std::filesystem::exists(BITMAPS + entry->fileName)) << entry->fileName;
        }
    }
    EXPECT_TRUE(std::filesystem::exists(BITMAPS + "loading.png"));
    EXPECT_TRUE(std::filesystem::exists(std::string(TILECREST_DATA_DIR) + "/fonts/arlrdbd.ttf"));

    expectSize("wood.png", 800, 600);
    for (const char* square :
         {"cell.png", "highlight.png", "red_disk.png", "blue_disk.png", "select.png"})
        expectSize(square, 64, 64);
    expectSize("grid_alpha.png", 256, 32);
    expectSize("grid_numeric.png", 32, 256);

    // Digits, labels and the arrow share the 44-pixel band below the board.
    Picture digits("digits.png"), score("score.png"), arrow("arrow.png");
    ASSERT_NE(digits.bitmap, nullptr);
    ASSERT_NE(score.bitmap, nullptr);
    ASSERT_NE(arrow.bitmap, nullptr);
    const int d = digits.height(), s = score.height();
    EXPECT_EQ(digits.width(), 10 * d);
    EXPECT_EQ(score.width(), 2 * s);
    EXPECT_EQ(arrow.width(), d) << "Blue's arrow must end at Blue's label";
    EXPECT_LE(d, 44);
    EXPECT_LE(s, 44);
    EXPECT_LE(arrow.height(), 44);
}

TEST(ArtworkTest, TransparencyIsWhereTheScreenExpectsIt) {
    // The screen is never cleared: the background and the squares cover it fully.
    for (const char* name : {"wood.png", "cell.png", "highlight.png"}) {
        Picture picture(name);
        ASSERT_NE(picture.bitmap, nullptr) << name;
        EXPECT_EQ(picture.transparentPixels(), 0) << name;
    }
    for (const char* name : {"red_disk.png", "blue_disk.png", "select.png", "arrow.png",
                             "digits.png", "score.png", "grid_alpha.png", "grid_numeric.png"}) {
        Picture picture(name);
        ASSERT_NE(picture.bitmap, nullptr) << name;
        EXPECT_EQ(pixelAt(picture.bitmap, 0, 0).a, 0) << name;
        EXPECT_GT(picture.transparentPixels(), picture.width() * picture.height() / 4) << name;
    }
    // The pointer's tip is its focus point (3, 3): nothing lies above or left of it.
    Picture mouse("mouse.png");
    ASSERT_NE(mouse.bitmap, nullptr);
    EXPECT_GT(pixelAt(mouse.bitmap, 3, 3).a, 64);
    for (int i = 0; i < 32; ++i) {
        for (int edge = 0; edge < 3; ++edge) {
            EXPECT_EQ(pixelAt(mouse.bitmap, edge, i).a, 0) << "x " << edge << " y " << i;
            EXPECT_EQ(pixelAt(mouse.bitmap, i, edge).a, 0) << "x " << i << " y " << edge;
        }
    }
}

// Relative luminance of an 8-bit sRGB colour.
double luminance(const Pixel& p) {
    auto linear = [](unsigned char c) {
        double v = c / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(p.r) + 0.7152 * linear(p.g) + 0.0722 * linear(p.b);
}
double contrast(const Pixel& a, const Pixel& b) {
    double la = luminance(a) + 0.05, lb = luminance(b) + 0.05;
    return la > lb ? la / lb : lb / la;
}

struct Frame {
    dLibrary::dNinePatch* ninePatch;
    explicit Frame(const std::string& name)
        : ninePatch(dLibrary::dNinePatch::createFromFile(BITMAPS + name)) {}
    ~Frame() {
        ++objectsFreed;
        delete ninePatch;
    }
    Frame(const Frame&) = delete;
    Frame& operator=(const Frame&) = delete;
    int pieceWidth(int i) const { return al_get_bitmap_width(ninePatch->pieces[i]); }
    int pieceHeight(int i) const { return al_get_bitmap_height(ninePatch->pieces[i]); }
    Pixel face() const { return pixelAt(ninePatch->pieces[4], 0, 0); }
};

TEST(ArtworkTest, FramesAreNinePatchesWithOneCornerSize) {
    const char* names[] = {"message.png", "button.png", "button_push.png", "button_hover.png",
                           "button_disabled.png"};
    for (const char* name : names) {
        Frame frame(name);
        ASSERT_NE(frame.ninePatch, nullptr) << name;
        // Symmetric corners, so text centred in the frame sits in its middle.
        EXPECT_EQ(frame.pieceWidth(0), frame.pieceWidth(2)) << name;
        EXPECT_EQ(frame.pieceHeight(0), frame.pieceHeight(6)) << name;
    }
    // Buttons are sized from button.png and drawn with any face: all must match.
    Frame normal("button.png");
    for (const char* name : {"button_push.png", "button_hover.png", "button_disabled.png"}) {
        Frame face(name);
        for (int i = 0; i < 9; ++i) {
            EXPECT_EQ(face.pieceWidth(i), normal.pieceWidth(i)) << name << " piece " << i;
            EXPECT_EQ(face.pieceHeight(i), normal.pieceHeight(i)) << name << " piece " << i;
        }
    }
}

TEST(ArtworkTest, ButtonFacesDifferAndCarryTheirLabelColours) {
    Frame normal("button.png"), pushed("button_push.png"), hover("button_hover.png"),
        disabled("button_disabled.png");
    const Pixel white = opaque(255, 255, 255), lightBlue = opaque(64, 192, 255);
    EXPECT_GE(contrast(normal.face(), white), 3.0);
    EXPECT_GE(contrast(pushed.face(), white), 3.0);
    EXPECT_GE(contrast(hover.face(), white), 3.0);
    EXPECT_GE(contrast(disabled.face(), lightBlue), 2.5);

    const Frame* faces[] = {&normal, &pushed, &hover, &disabled};
    for (int i = 0; i < 4; ++i) {
        for (int j = i + 1; j < 4; ++j) {
            // Faces may share their centre colour only if their rims differ clearly.
            Pixel a = faces[i]->face(), b = faces[j]->face();
            Pixel ra = pixelAt(faces[i]->ninePatch->pieces[1], 0, 1);
            Pixel rb = pixelAt(faces[j]->ninePatch->pieces[1], 0, 1);
            int distance = std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b) +
                           std::abs(ra.r - rb.r) + std::abs(ra.g - rb.g) + std::abs(ra.b - rb.b);
            EXPECT_GE(distance, 60) << "faces " << i << " and " << j;
        }
    }
}

std::string contentOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(ArtworkTest, DrawingAgainWritesTheSameFiles) {
    ScratchDir scratch;
    const std::string command = std::string(TILECREST_ARTWORK_TOOL) +
                                " \"" TILECREST_DATA_DIR "/fonts/arlrdbd.ttf\" \"" +
                                scratch.path().string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(scratch.path())) {
        ++files;
        const std::string name = entry.path().filename().string();
        EXPECT_EQ(contentOf(entry.path()), contentOf(BITMAPS + name)) << name;
    }
    EXPECT_EQ(files, 19);
}

}  // namespace
