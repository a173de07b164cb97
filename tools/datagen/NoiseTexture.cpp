// noise.jpg: film-like grain over faint clouds, 256 x 256. The overlay tiles and
// shifts it every frame and the tube wraps it, so every part of it must tile.
#include <algorithm>
#include <cmath>

#include "tools/datagen/PeriodicNoise.h"
#include "tools/datagen/Pictures.h"
#include "generator/Rng.h"

namespace {
constexpr int SIZE = 256;
}

Mask makeNoiseTexture() {
    Rng grain(0x6E6F697365ull);
    const PeriodicNoise clouds(0xC10D5ull);
    Mask mask(SIZE, SIZE);
    for (int y = 0; y < SIZE; ++y) {
        for (int x = 0; x < SIZE; ++x) {
            const float cloud = clouds.fractal(static_cast<float>(x), static_cast<float>(y), 4, SIZE, 4);
            const float speck = static_cast<float>(grain.uniform());
            // Grain dominates; the clouds only lift whole areas a little. The power
            // curve keeps most pixels dark so the additive overlay stays a haze.
            const float v = std::clamp(0.62f * speck + 0.55f * cloud - 0.22f, 0.0f, 1.0f);
            mask.at(x, y) = std::pow(v, 1.5f);
        }
    }
    return mask;
}
