#pragma once

#include <cstdint>

// The soak's only source of chance: SplitMix64 from the seed on the command line, so a run
// repeats exactly on any platform (the standard distributions may differ between libraries).
class SoakRandom {
public:
    explicit SoakRandom(uint64_t seed) : state(seed) {}

    uint64_t next() {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 to bound - 1; bound must be positive. The slight bias of the modulo does not matter here.
    int below(int bound) { return static_cast<int>(next() % static_cast<uint64_t>(bound)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool percent(int chance) { return below(100) < chance; }
    bool permille(int chance) { return below(1000) < chance; }

private:
    uint64_t state;
};
