#pragma once

#include <cstdint>

// Smooth value noise from an integer hash: the same seed and point always give the same
// value, so the artwork is identical on every build. Values lie in 0..1.
class Noise {
public:
    explicit Noise(uint32_t hashSeed) : seed(hashSeed) {}

    float value(float x, float y) const;
    // Sum of octaves, each at twice the frequency and half the weight of the last.
    float fractal(float x, float y, int octaves) const;
    // A hashed 0..1 number for an integer pair, for per-plank or per-knot choices.
    float random(int32_t i, int32_t j) const;

private:
    uint32_t seed;
};
