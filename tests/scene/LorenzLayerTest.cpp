// The Lorenz web: the same figure on frames without time passing, and points that
// do not project kept out of the GL with every line that touches them.
#include <GL/gl.h>

#include <cmath>
#include <limits>
#include <vector>

#include "scene/LorenzLayer.h"
#include "tests/scene/SceneFixture.h"

using LorenzLayer = SceneFixture;

namespace {

// Lines handed to the GL before any clipping, which would quietly drop lines with
// ends at infinity and so hide them.
GLuint linesSubmitted(const LorenzPoints& points) {
    GLuint query = 0;
    glGenQueries(1, &query);
    glBeginQuery(GL_PRIMITIVES_GENERATED, query);
    drawLorenzWeb(points, 0.0f);
    glEndQuery(GL_PRIMITIVES_GENERATED);
    GLuint lines = 0;
    glGetQueryObjectuiv(query, GL_QUERY_RESULT, &lines);
    glDeleteQueries(1, &query);
    return lines;
}

// The opacity of every line the GL kept, read back in feedback mode.
std::vector<float> lineOpacities(const LorenzPoints& points) {
    std::vector<GLfloat> buffer(2000 * 16);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
    glRenderMode(GL_FEEDBACK);
    drawLorenzWeb(points, 0.0f);
    const GLint used = glRenderMode(GL_RENDER);
    std::vector<float> opacities;
    const GLint vertexSize = 3 + 4;
    for (GLint i = 0; i < used;) {
        const auto token = static_cast<GLint>(buffer[i]);
        EXPECT_TRUE(token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) << token;
        opacities.push_back(buffer[i + 1 + 6]);  // alpha of the line's first vertex
        i += 1 + 2 * vertexSize;
    }
    return opacities;
}

// Points on a small circle around the screen centre, one of them unprojectable.
LorenzPoints circleWithBadPoint(int32_t bad) {
    LorenzPoints points;
    for (int32_t i = 0; i < LORENZ_STEPS; ++i) {
        points.x[i] = 100.0f * std::cos(0.01f * static_cast<float>(i));
        points.y[i] = 100.0f * std::sin(0.01f * static_cast<float>(i));
    }
    if (bad >= 0) {
        points.x[bad] = std::numeric_limits<float>::infinity();
        points.y[bad] = std::numeric_limits<float>::quiet_NaN();
    }
    return points;
}

}  // namespace

TEST_F(LorenzLayer, FigureIsIdenticalOnTwoFramesWithZeroDt) {
    scene->lorenzOn = true;
    scene->update(16);
    drawFrame();
    const std::vector<uint8_t> first = readFrame();
    size_t lit = 0;
    for (size_t i = 0; i < first.size(); i += 4) lit += first[i + 2] > 0 ? 1 : 0;
    ASSERT_GT(lit, 100u);
    scene->update(0);
    drawFrame();
    EXPECT_EQ(readFrame(), first);
}

TEST_F(LorenzLayer, LinesTouchingAPointThatDoesNotProjectAreLeftOut) {
    struct Case {
        int32_t bad;
        size_t lines;
        float firstAlpha;
    };
    const Case cases[] = {
        {-1, 1950, 0.5f},    // nothing missing: 975 segments and 975 chords
        {0, 1948, 0.4995f},  // its segment and chord go; the next pair is already fainter
        {500, 1946, 0.5f},   // two segments and two chords meet there
        {999, 1949, 0.5f},   // only the last chord reaches it
        {1000, 1950, 0.5f},  // the spare slot is never read
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bad);
        const LorenzPoints points = circleWithBadPoint(c.bad);
        EXPECT_EQ(linesSubmitted(points), c.lines);
        const std::vector<float> opacities = lineOpacities(points);
        ASSERT_EQ(opacities.size(), c.lines);
        EXPECT_NEAR(opacities.front(), c.firstAlpha, 1e-5f);
        EXPECT_NEAR(opacities.back(), 0.013f, 1e-4f);
    }
}
