#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include <allegro5/allegro.h>

// Shared helpers of the resource tests: Allegro without a display (so every bitmap is a
// memory bitmap), log capture, scratch folders, pixel access and object counts.

// Opens gLog on a temporary file for the lifetime of the object.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    // Every line written since construction, with its leading tabs.
    std::vector<std::string> lines() const;

private:
    std::filesystem::path file;
};

// A fresh temporary folder, removed with its content on destruction.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return root; }
    std::string file(const std::string& name) const { return (root / name).string(); }

private:
    std::filesystem::path root;
};

// Rises of objectsCreated and objectsFreed since construction.
class CountDelta {
public:
    CountDelta();
    uint32_t created() const;
    uint32_t freed() const;

private:
    uint32_t created0, freed0;
};

struct Pixel {
    unsigned char r, g, b, a;
    bool operator==(const Pixel& other) const {
        return r == other.r && g == other.g && b == other.b && a == other.a;
    }
};
std::ostream& operator<<(std::ostream& out, const Pixel& pixel);

Pixel pixelAt(ALLEGRO_BITMAP* bitmap, int x, int y);
Pixel opaque(unsigned char r, unsigned char g, unsigned char b);

// A new memory bitmap painted pixel by pixel; the caller destroys it.
ALLEGRO_BITMAP* paintedBitmap(int width, int height,
                              const std::function<ALLEGRO_COLOR(int x, int y)>& colourAt);

// Saves the bitmap beside the test executable under the running test's name, so a
// person can look at a failed picture, and returns the path.
std::string savePicture(ALLEGRO_BITMAP* bitmap, const std::string& suffix);
