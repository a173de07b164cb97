// The pure counts behind the bead shells and the elektro bands: rings, beads per
// ring for every angular step, and bands for every elektroStep.
#include <gtest/gtest.h>

#include "scene/ElektroBands.h"
#include "scene/ShellRings.h"

TEST(ShellRings, SinglePrecisionLoopGivesTwentyRingsEndingBelowOne) {
    float t[SHELL_RINGS] = {};
    ASSERT_EQ(shellRingParameters(t), 20);
    EXPECT_EQ(t[0], -1.0f);
    EXPECT_NEAR(t[10], 0.0f, 1e-6f);
    EXPECT_NEAR(t[19], 0.9f, 1e-5f);
}

TEST(ShellRings, BeadsPerRingFollowTheTruncatedAngularStep) {
    struct Case {
        int32_t draw;
        float step;
        int32_t beads;
    };
    const Case cases[] = {{0, 90.0f, 4},      {1, 72.0f, 5}, {2, 60.0f, 6},
                          {3, 51.428571f, 8}, {4, 45.0f, 8}, {5, 40.0f, 9}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.draw);
        const float step = palikatAngularStep(c.draw);
        EXPECT_FLOAT_EQ(step, c.step);
        EXPECT_EQ(beadsPerRing(step), c.beads);
    }
}

TEST(ElektroBands, BandCountForEachStepTheSyncActionCanDraw) {
    const int32_t expected[7] = {6, 5, 4, 4, 3, 3, 3};
    for (int32_t k = 0; k < 7; ++k) {
        SCOPED_TRACE(k);
        float x[MAX_ELEKTRO_BANDS] = {};
        EXPECT_EQ(elektroBandPositions(static_cast<float>(k) / 10.0f + 0.35f, x), expected[k]);
        EXPECT_EQ(x[0], -1.0f);
    }
}

TEST(ElektroBands, TinyOrNonPositiveStepNeverOutrunsTheTiltAngles) {
    for (const float step : {0.01f, 0.0f, -0.5f}) {
        float x[MAX_ELEKTRO_BANDS] = {};
        EXPECT_EQ(elektroBandPositions(step, x), MAX_ELEKTRO_BANDS) << step;
    }
}
