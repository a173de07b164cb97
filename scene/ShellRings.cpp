// Pure ring and bead counts of the bead shells; the list compiler walks these.
// Single-precision accumulation is deliberate: it fixes how many rings exist.
#include "scene/ShellRings.h"

#include <algorithm>

int32_t shellRingParameters(float (&t)[SHELL_RINGS]) {
    int32_t count = 0;
    for (float ring = -1.0f; ring <= 1.0f && count < SHELL_RINGS; ring = ring + 0.1f) t[count++] = ring;
    return count;
}

float palikatAngularStep(int32_t draw) {
    return 360.0f / static_cast<float>(draw + 4);
}

int32_t beadsPerRing(float angularStep) {
    const int32_t stepDegrees = std::max(1, static_cast<int32_t>(angularStep));
    return (360 + stepDegrees - 1) / stepDegrees;
}
