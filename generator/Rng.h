// A small seeded generator (splitmix64) for every random choice of the generated
// pictures and songs.
// Same seed, same sequence on every run and machine; it never reads the clock or
// the system's entropy. Not the player's own generator, which lives in demo/.
#pragma once

#include <cstdint>

class Rng {
public:
    explicit Rng(uint64_t seed) : state_(seed) {}

    uint64_t next() {
        state_ += 0x9E3779B97F4A7C15ull;
        uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1), from the top 53 bits.
    double uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
    // Uniform in [-1, 1).
    double signedUnit() { return uniform() * 2.0 - 1.0; }
    // Uniform in [low, high).
    double between(double low, double high) { return low + (high - low) * uniform(); }
    // Whole number in [0, n); n must be positive.
    int below(int n) { return static_cast<int>(next() % static_cast<uint64_t>(n)); }

private:
    uint64_t state_ = 0;
};
