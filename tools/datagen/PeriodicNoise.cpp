// Lattice values hashed from (cell, seed); smoothstep interpolation between them.
#include "tools/datagen/PeriodicNoise.h"

#include <cmath>

namespace {

uint64_t mixBits(uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

float smooth(float t) {
    return t * t * (3.0f - 2.0f * t);
}

}  // namespace

float PeriodicNoise::lattice(int ix, int iy, int cells) const {
    const auto wx = static_cast<uint64_t>(((ix % cells) + cells) % cells);
    const auto wy = static_cast<uint64_t>(((iy % cells) + cells) % cells);
    const uint64_t h =
        mixBits(seed_ * 0x100000001B3ull + wx * 0x9E3779B97F4A7C15ull + wy * 0xC2B2AE3D27D4EB4Full);
    return static_cast<float>(h >> 40) / static_cast<float>(1ull << 24);
}

float PeriodicNoise::at(float x, float y, int cells, int size) const {
    const float fx = x * cells / size, fy = y * cells / size;
    const int ix = static_cast<int>(std::floor(fx)), iy = static_cast<int>(std::floor(fy));
    const float tx = smooth(fx - ix), ty = smooth(fy - iy);
    const float top = lattice(ix, iy, cells) * (1 - tx) + lattice(ix + 1, iy, cells) * tx;
    const float bottom = lattice(ix, iy + 1, cells) * (1 - tx) + lattice(ix + 1, iy + 1, cells) * tx;
    return top * (1 - ty) + bottom * ty;
}

float PeriodicNoise::fractal(float x, float y, int cells, int size, int octaves) const {
    float sum = 0.0f, amplitude = 1.0f, total = 0.0f;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += at(x, y, cells << octave, size) * amplitude;
        total += amplitude;
        amplitude *= 0.5f;
    }
    return sum / total;
}
