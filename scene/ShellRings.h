// The geometry of the bead shells as pure numbers: the ring parameters, the
// angular step of the palikat beads and how many beads fit a ring. No GL here.
#pragma once

#include <cstdint>

constexpr int32_t SHELL_RINGS = 20;

// Ring parameters t from -1 in single-precision steps of 0.1 while t <= 1; the
// accumulated rounding leaves the last step just above 1, so there are exactly
// SHELL_RINGS of them. Fills `t` and returns the count.
int32_t shellRingParameters(float (&t)[SHELL_RINGS]);

// 360 / (draw + 4) degrees for a draw of r(6): 90, 72, 60, 51.43, 45 or 40.
float palikatAngularStep(int32_t draw);

// Beads a ring holds when the angle goes 0, s, 2s, ... below 360 with s the step
// truncated to whole degrees (a step below one degree still advances by one).
int32_t beadsPerRing(float angularStep);
