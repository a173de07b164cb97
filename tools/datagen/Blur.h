// Soft light for the pictures: a near-Gaussian blur made of three box passes.
// Edges either wrap (tiling textures) or hold their last pixel (cards).
#pragma once

#include "generator/Raster.h"

enum class Edge { Clamp, Wrap };

struct BlurEdges {
    Edge horizontal = Edge::Clamp;
    Edge vertical = Edge::Clamp;
};

// radius 0 returns the mask unchanged.
Mask blurred(const Mask& mask, int radius, BlurEdges edges = {});

// canvas += colour * gain * blurred(mask): a halo of light around the mask.
void addGlow(Canvas& canvas, const Mask& mask, Rgb colour, int radius, float gain, BlurEdges edges = {});
// Coverage grown by `radius` pixels in every direction (a round maximum filter).
Mask dilated(const Mask& mask, int radius);
