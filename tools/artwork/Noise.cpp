#include "tools/artwork/Noise.h"

#include <cmath>

namespace {

uint32_t hash(uint32_t x, uint32_t y, uint32_t seed) {
    uint32_t h = seed * 0x9E3779B9u ^ x * 0x85EBCA6Bu ^ y * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

float fade(float t) {
    return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f);
}

}  // namespace

float Noise::random(int32_t i, int32_t j) const {
    return static_cast<float>(hash(static_cast<uint32_t>(i), static_cast<uint32_t>(j), seed) >> 8) /
           16777216.0f;
}

float Noise::value(float x, float y) const {
    float fx = std::floor(x), fy = std::floor(y);
    int32_t ix = static_cast<int32_t>(fx), iy = static_cast<int32_t>(fy);
    float tx = fade(x - fx), ty = fade(y - fy);
    float a = random(ix, iy), b = random(ix + 1, iy);
    float c = random(ix, iy + 1), d = random(ix + 1, iy + 1);
    float top = a + (b - a) * tx, bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

float Noise::fractal(float x, float y, int octaves) const {
    float sum = 0, weight = 0.5f, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += value(x, y) * weight;
        total += weight;
        x = x * 2.0f + 17.0f;
        y = y * 2.0f + 31.0f;
        weight *= 0.5f;
    }
    return sum / total;
}
