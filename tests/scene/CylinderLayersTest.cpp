// The elektro layer: how many random numbers a frame takes for each band count,
// which keeps the show the same from run to run.
#include "base/Random.h"
#include "scene/CylinderLayers.h"
#include "tests/scene/SceneFixture.h"

using CylinderLayers = SceneFixture;

TEST_F(CylinderLayers, ElektroTakesThreeDrawsPerBandForEachStep) {
    const int32_t bands[7] = {6, 5, 4, 4, 3, 3, 3};
    for (int32_t k = 0; k < 7; ++k) {
        SCOPED_TRACE(k);
        scene->elektroStep = static_cast<float>(k) / 10.0f + 0.35f;
        const uint64_t before = randomDrawCount();
        drawElektroLayer(*scene);
        EXPECT_EQ(randomDrawCount() - before, static_cast<uint64_t>(3 * bands[k]));
    }
}
