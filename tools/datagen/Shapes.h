// Anti-aliased shapes drawn into masks from signed distances: capsules (line
// segments with a width), rings, discs and rounded boxes. Coverage is combined by
// maximum, so overlapping shapes never add up past 1.
#pragma once

#include "generator/Raster.h"

struct Point {
    float x = 0.0f;
    float y = 0.0f;
};

// A segment of half-width `radius`; `wrapX` repeats it one mask width left and right.
void drawCapsule(Mask& mask, Point a, Point b, float radius, float strength = 1.0f, bool wrapX = false);
void drawRing(Mask& mask, Point centre, float radius, float halfThickness, float strength = 1.0f);
void drawDisc(Mask& mask, Point centre, float radius, float strength = 1.0f);
void drawRoundedBox(Mask& mask, Point topLeft, Point bottomRight, float cornerRadius, float strength = 1.0f);
