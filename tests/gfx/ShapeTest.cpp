// Shapes against a real GL: placement order, the cylinder centred on its origin,
// and which texture and blend state apply() sets or leaves.
#include <array>

#include "gfx/Texture.h"
#include "gfx/Shape.h"
#include "tests/gfx/GlTest.h"

namespace {

using ShapeTest = GlTest;

bool isWhite(const std::array<uint8_t, 4>& rgba) {
    return rgba[0] == 255 && rgba[1] == 255 && rgba[2] == 255;
}
bool isBlack(const std::array<uint8_t, 4>& rgba) {
    return rgba[0] == 0 && rgba[1] == 0 && rgba[2] == 0;
}

}  // namespace

TEST_F(ShapeTest, CylinderOfHeight10000SpansMinus5000ToPlus5000WithItsBaseAtTheNegativeEnd) {
    // 20 units per pixel; turned about y so that the local z axis runs along x.
    glMatrixMode(GL_PROJECTION);
    glOrtho(-6400, 6400, -4800, 4800, -10000, 10000);
    glMatrixMode(GL_MODELVIEW);
    Cylinder cylinder;
    cylinder.height = 10000;
    cylinder.baseRadius = 400;
    cylinder.topRadius = 200;
    cylinder.rotation[1] = 90;
    cylinder.draw();
    // Ends at screen x 70 and 570; radius 20 pixels at the base, 10 at the top.
    EXPECT_TRUE(isWhite(pixelAt(75, 240)));
    EXPECT_TRUE(isBlack(pixelAt(65, 240)));
    EXPECT_TRUE(isWhite(pixelAt(565, 240)));
    EXPECT_TRUE(isBlack(pixelAt(575, 240)));
    EXPECT_TRUE(isWhite(pixelAt(80, 240 - 15)));
    EXPECT_TRUE(isBlack(pixelAt(560, 240 - 15)));
}

TEST_F(ShapeTest, ApplyTranslatesThenTurnsAboutXYZThenScales) {
    Shape shape;
    shape.position[0] = 1;
    shape.position[1] = 2;
    shape.position[2] = 3;
    shape.rotation[0] = shape.rotation[1] = shape.rotation[2] = 90;
    shape.scale[0] = 2;
    shape.scale[1] = 3;
    shape.scale[2] = 4;
    shape.apply(true);
    std::array<float, 16> m{};
    glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
    // (1, 1, 1): scaled (2, 3, 4), about z (-3, 2, 4), about y (4, 2, 3), about x (4, -3, 2), moved.
    const float expected[3] = {5, -1, 5};
    for (int row = 0; row < 3; ++row)
        EXPECT_NEAR(m[row] + m[4 + row] + m[8 + row] + m[12 + row], expected[row], 1e-5) << "row " << row;
}

TEST_F(ShapeTest, UntexturedApplyDisablesTexturingAndLeavesBlendingAndGeneration) {
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glEnable(GL_TEXTURE_GEN_S);
    Sphere sphere;
    sphere.color[1] = 0.5f;
    sphere.apply(false);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(glInteger(GL_BLEND_DST), GL_ONE);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_GEN_S));
    std::array<float, 4> colour{};
    glGetFloatv(GL_CURRENT_COLOR, colour.data());
    EXPECT_EQ(colour, (std::array<float, 4>{1, 0.5f, 1, 1}));
}

TEST_F(ShapeTest, TexturedApplyBindsTheTextureWithItsBlendMode) {
    Texture texture;
    texture.createEmpty(4, 4, 4, GL_TEXTURE_2D, TEX_NO_TRILINEAR);
    texture.useAdditiveBlend();
    glBindTexture(GL_TEXTURE_2D, 0);
    Cylinder cylinder;
    cylinder.texture = &texture;
    cylinder.textured = true;
    cylinder.apply(false);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(glInteger(GL_TEXTURE_BINDING_2D), static_cast<GLint>(texture.textureId));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(glInteger(GL_BLEND_DST), GL_ONE);
}

TEST_F(ShapeTest, TexturedWithoutATextureEnablesTexturingAndKeepsTheBinding) {
    Texture bound;
    bound.createEmpty(4, 4, 4, GL_TEXTURE_2D, TEX_NO_TRILINEAR);
    Shape shape;
    shape.textured = true;
    shape.apply(false);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(glInteger(GL_TEXTURE_BINDING_2D), static_cast<GLint>(bound.textureId));
}

TEST_F(ShapeTest, SphereOfAnyDetailDrawsItsColourAndLeavesTheModelviewMatrix) {
    for (int detail : {2, 3, 32}) {
        SCOPED_TRACE(detail);
        resetGlState();
        Sphere sphere;
        sphere.detail = detail;
        sphere.radius = 0.5f;
        sphere.position[0] = 0.2f;
        sphere.rotation[1] = 90;  // two slices make a flat diamond in the local y-z plane: face it
        sphere.color[1] = 0;
        sphere.draw();
        EXPECT_EQ(pixelAt(352, 240), (std::array<uint8_t, 4>{255, 0, 255, 255}));
        EXPECT_EQ(pixelAt(5, 5), (std::array<uint8_t, 4>{0, 0, 0, 255}));
        std::array<float, 16> m{};
        glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
        EXPECT_EQ(m[12], 0);
        EXPECT_EQ(glInteger(GL_MODELVIEW_STACK_DEPTH), 1);
    }
}
