// Where the elektro bands sit: positions x from -1 in steps of elektroStep while
// x <= 1, accumulated in single precision. Pure numbers; the drawing is elsewhere.
#pragma once

#include <cstdint>

// Each band reads its own pair of tilt angles, so there are never more bands than
// angle entries, even for a step too small (or not positive) to reach 1 in time.
constexpr int32_t MAX_ELEKTRO_BANDS = 20;

// Fills `x` with the band positions and returns how many there are.
int32_t elektroBandPositions(float elektroStep, float (&x)[MAX_ELEKTRO_BANDS]);
