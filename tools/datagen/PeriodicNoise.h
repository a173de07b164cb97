// Smooth value noise on a lattice that wraps, so the texture it fills tiles with
// no seam. Deterministic: the lattice values come from a seeded hash.
#pragma once

#include <cstdint>

class PeriodicNoise {
public:
    explicit PeriodicNoise(uint64_t seed) : seed_(seed) {}

    // Noise in [0, 1] at (x, y) for a lattice of `cells` cells across a picture of `size` pixels.
    float at(float x, float y, int cells, int size) const;
    // Octaves from `cells` doubling each time, amplitudes halving; result in [0, 1].
    float fractal(float x, float y, int cells, int size, int octaves) const;

private:
    float lattice(int ix, int iy, int cells) const;

    uint64_t seed_ = 0;
};
