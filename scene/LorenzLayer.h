// The lorenz layer: 1000 Euler steps of the Lorenz system from the scene's start
// point, projected by z and drawn as a fading 2D web of segments and chords.
#pragma once

#include <cstdint>

class Scene;

constexpr int32_t LORENZ_STEPS = 1000;
constexpr int32_t LORENZ_PAIRS = 975;
constexpr int32_t LORENZ_CHORD_SPAN = 25;

// Projected points; the extra slot is never filled or read.
struct LorenzPoints {
    float x[LORENZ_STEPS + 1] = {};
    float y[LORENZ_STEPS + 1] = {};
};

// Integrates from the start point, leaving the last state in lorenzX/Y/Z. A point
// with z = 0 projects to a value that is not finite; it is stored as it is.
void traceLorenz(Scene& scene, LorenzPoints& points);

// The web in a 2D pass centred on the screen and turned by `angle` degrees.
// Pair i is the segment i..i+1 and the chord i..i+25; a line is drawn only when
// both its ends are finite, and the opacity falls by 0.0005 per pair either way.
void drawLorenzWeb(const LorenzPoints& points, float angle);

void drawLorenzLayer(Scene& scene);
