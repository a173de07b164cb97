// The bead shells: draws per compiled ring, the scale a scaled list leaves on the
// matrix, and the wireframe layer's scales and line mode that outlast it.
#include <GL/gl.h>

#include <vector>

#include "base/Random.h"
#include "scene/BeadLists.h"
#include "scene/LorenzLayer.h"
#include "tests/scene/SceneFixture.h"

using BeadLists = SceneFixture;

namespace {

// A seed whose first draw lands on `wanted` modulo n.
uint32_t seedForFirstDraw(int32_t n, int32_t wanted) {
    for (uint32_t seed = 1;; ++seed) {
        ShowSequence probe(seed);
        if (probe.r(n) == wanted) return seed;
    }
}

std::vector<int32_t> polygonModes() {
    GLint modes[2] = {0, 0};
    glGetIntegerv(GL_POLYGON_MODE, modes);
    return {modes[0], modes[1]};
}

void expectDiagonal(const std::vector<float>& m, float x, float y, float z) {
    EXPECT_NEAR(m[0], x, 1e-5f);
    EXPECT_NEAR(m[5], y, 1e-5f);
    EXPECT_NEAR(m[10], z, 1e-5f);
    EXPECT_NEAR(m[15], 1.0f, 1e-6f);
}

}  // namespace

TEST_F(BeadLists, PalikatCompileDrawsTheStepThenTwoNumbersForEveryBead) {
    const int32_t beadsForDraw[6] = {4, 5, 6, 8, 8, 9};
    for (int32_t draw = 0; draw < 6; ++draw) {
        SCOPED_TRACE(draw);
        randomSeed(seedForFirstDraw(6, draw));
        BeadDecisions decisions;
        decidePalikatBeads(*scene, 5.0f, decisions);
        EXPECT_EQ(randomDrawCount(), static_cast<uint64_t>(1 + 20 * 2 * beadsForDraw[draw]));
    }
}

TEST_F(BeadLists, ScaledListLeavesItsRandomScaleOnTheModelviewAtEveryCall) {
    const uint32_t seed = 9876;
    ShowSequence expected(seed);
    expected.r(20);  // shell radius
    const float z = static_cast<float>(expected.r(10)) / 10.0f + 1.0f;
    const float y = static_cast<float>(expected.r(10)) / 10.0f + 1.0f;
    const float x = static_cast<float>(expected.r(10)) / 10.0f + 1.0f;
    scene->scaledOn = true;
    randomSeed(seed);
    scene->syncAction();

    glLoadIdentity();
    drawPalikatLayer(*scene);
    expectDiagonal(modelviewMatrix(), x, y, z);
    drawPalikatLayer(*scene);
    expectDiagonal(modelviewMatrix(), x * x, y * y, z * z);

    scene->scaledOn = false;
    scene->syncAction();
    glLoadIdentity();
    drawPalikatLayer(*scene);
    drawKummaLayer(*scene);
    expectDiagonal(modelviewMatrix(), 1.0f, 1.0f, 1.0f);
}

TEST_F(BeadLists, WireframeKeepsLinesAndScalesUntilLorenzOrTheOverlayRestoresFill) {
    glLoadIdentity();
    drawWireframeLayer(*scene);
    EXPECT_EQ(polygonModes(), (std::vector<int32_t>{GL_LINE, GL_LINE}));
    expectDiagonal(modelviewMatrix(), 1.32f, 1.32f, 1.32f);

    drawLorenzLayer(*scene);
    EXPECT_EQ(polygonModes(), (std::vector<int32_t>{GL_FILL, GL_FILL}));
    expectDiagonal(modelviewMatrix(), 1.32f, 1.32f, 1.32f);

    // Without lorenz the overlay, drawn last, fills again.
    scene->wireframeOn = true;
    drawFrame();
    EXPECT_EQ(polygonModes(), (std::vector<int32_t>{GL_FILL, GL_FILL}));
}
