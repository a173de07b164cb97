// elektro1-4.jpg: electric bands for the cylinder rings, 512 x 256. The picture's
// x runs around the cylinder, so every bolt ends where it starts and every blur
// wraps along x; y spans the band's height, so the light stays clear of its edges.
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/datagen/Blur.h"
#include "tools/datagen/Pictures.h"
#include "generator/Rng.h"
#include "tools/datagen/Shapes.h"

namespace {

constexpr int WIDTH = 512;
constexpr int HEIGHT = 256;
constexpr int POINTS = 64;  // bolt vertices around the band, a power of two
constexpr float SPACING = static_cast<float>(WIDTH) / POINTS;
constexpr float PI = 3.14159265358979f;

// Moves the path to have its mean at `centre` and squeezes it into centre +- reach,
// so no bolt touches the band's edges.
std::vector<float> fitted(std::vector<float> path, float centre, float reach) {
    float mean = 0.0f, deviation = 0.0f;
    for (int i = 0; i < POINTS; ++i) mean += path[i] / POINTS;
    for (float y : path) deviation = std::max(deviation, std::fabs(y - mean));
    const float squeeze = deviation > reach ? reach / deviation : 1.0f;
    for (float& y : path) y = centre + (y - mean) * squeeze;
    return path;
}

// Heights of a jagged closed path (midpoint displacement); entry POINTS equals entry 0.
std::vector<float> boltPath(Rng& rng, float centre, float amplitude, float roughness) {
    std::vector<float> path(POINTS + 1);
    path[0] = path[POINTS] = centre + static_cast<float>(rng.signedUnit()) * amplitude * 0.3f;
    float spread = amplitude;
    for (int step = POINTS; step > 1; step /= 2) {
        for (int i = step / 2; i < POINTS; i += step) {
            path[i] =
                (path[i - step / 2] + path[i + step / 2]) / 2 + static_cast<float>(rng.signedUnit()) * spread;
        }
        spread *= roughness;
    }
    return fitted(path, centre, amplitude * 1.2f);
}

void drawPath(Mask& mask, const std::vector<float>& path, float radius, float strength) {
    for (int i = 0; i < POINTS; ++i) {
        drawCapsule(mask, {i * SPACING, path[i]}, {(i + 1) * SPACING, path[i + 1]}, radius, strength, true);
    }
}

// A side branch leaving the path at vertex `from` and dying out over a few segments.
void drawBranch(Mask& mask, Rng& rng, const std::vector<float>& path, int from) {
    Point at{from * SPACING, path[from]};
    const float drift = rng.uniform() < 0.5 ? -1.0f : 1.0f;
    const int segments = 4 + rng.below(6);
    for (int k = 0; k < segments; ++k) {
        const Point next{at.x + SPACING * 0.8f, at.y + drift * static_cast<float>(rng.between(2.0, 9.0))};
        drawCapsule(mask, at, next, 0.8f, 0.8f * (1.0f - static_cast<float>(k) / segments), true);
        at = next;
    }
}

// A smooth arc around the band (whole number of waves) with a fine crackle on it.
std::vector<float> arcPath(Rng& rng, int waves, float amplitude) {
    std::vector<float> crackle = boltPath(rng, 0.0f, 6.0f, 0.5f);
    const float phase = static_cast<float>(rng.uniform()) * 2 * PI;
    std::vector<float> path(POINTS + 1);
    for (int i = 0; i <= POINTS; ++i) {
        path[i] = HEIGHT / 2.0f + amplitude * std::sin(2 * PI * waves * i / POINTS + phase) + crackle[i];
    }
    return path;
}

// A faint glow across the middle of the band, so the ring reads as one object.
void addBandHaze(Canvas& canvas, Rgb colour, float strength) {
    for (int y = 0; y < HEIGHT; ++y) {
        const float d = (y - HEIGHT / 2.0f) / (HEIGHT * 0.22f);
        const float haze = strength * std::exp(-d * d);
        for (int x = 0; x < WIDTH; ++x) canvas.at(x, y) = canvas.at(x, y) + colour * haze;
    }
}

// White-hot core with two halos of the bolt's colour.
void light(Canvas& canvas, const Mask& core, Rgb colour) {
    const BlurEdges wrap{Edge::Wrap, Edge::Clamp};
    addGlow(canvas, core, colour, 28, 1.3f, wrap);
    addGlow(canvas, core, colour, 8, 2.2f, wrap);
    addLight(canvas, core, mix(colour, {1.0f, 1.0f, 1.0f}, 0.8f), 1.0f);
}

Canvas mainBolt(Rng& rng) {
    Canvas canvas(WIDTH, HEIGHT);
    Mask core(WIDTH, HEIGHT);
    const std::vector<float> path = boltPath(rng, HEIGHT / 2.0f, 60.0f, 0.55f);
    drawPath(core, path, 1.4f, 1.0f);
    for (int b = 0; b < 5; ++b) drawBranch(core, rng, path, rng.below(POINTS));
    addBandHaze(canvas, {0.1f, 0.25f, 0.6f}, 0.12f);
    light(canvas, core, {0.25f, 0.55f, 1.0f});
    return canvas;
}

Canvas twinBolts(Rng& rng) {
    Canvas canvas(WIDTH, HEIGHT);
    const Rgb colours[] = {{0.7f, 0.3f, 1.0f}, {0.3f, 0.5f, 1.0f}};
    addBandHaze(canvas, {0.3f, 0.15f, 0.5f}, 0.1f);
    for (const Rgb& colour : colours) {
        Mask core(WIDTH, HEIGHT);
        drawPath(core, boltPath(rng, HEIGHT / 2.0f, 45.0f, 0.6f), 1.1f, 1.0f);
        light(canvas, core, colour);
    }
    return canvas;
}

Canvas arcs(Rng& rng) {
    Canvas canvas(WIDTH, HEIGHT);
    Mask core(WIDTH, HEIGHT);
    for (int waves = 1; waves <= 3; ++waves) drawPath(core, arcPath(rng, waves, 70.0f / waves), 1.2f, 1.0f);
    addBandHaze(canvas, {0.05f, 0.35f, 0.3f}, 0.1f);
    light(canvas, core, {0.15f, 0.95f, 0.85f});
    return canvas;
}

Canvas filaments(Rng& rng) {
    Canvas canvas(WIDTH, HEIGHT);
    Mask core(WIDTH, HEIGHT);
    for (int k = 0; k < 9; ++k) {
        const float centre = 48.0f + k * 20.0f;
        drawPath(core, boltPath(rng, centre, 22.0f, 0.6f), 0.8f, static_cast<float>(rng.between(0.45, 0.95)));
    }
    addBandHaze(canvas, {0.2f, 0.3f, 0.5f}, 0.15f);
    light(canvas, core, {0.55f, 0.75f, 1.0f});
    return canvas;
}

}  // namespace

Canvas makeElektroTexture(int variant) {
    Rng rng(0xE1E6700ull + static_cast<uint64_t>(variant));
    switch (variant) {
        case 0:
            return mainBolt(rng);
        case 1:
            return twinBolts(rng);
        case 2:
            return arcs(rng);
        default:
            return filaments(rng);
    }
}
