// Draw-time texture operations and the 2D pass against a real GL: blend state per
// mode, the textureId 0 rule, framebuffer capture, turned and wrapped quads, and
// the matrix stacks of nested passes.
#include <array>
#include <vector>

#include "gfx/Draw2D.h"
#include "gfx/Texture.h"
#include "tests/gfx/GlTest.h"

namespace {

using Rgb = std::array<uint8_t, 3>;
constexpr Rgb RED = {255, 0, 0};
constexpr Rgb GREEN = {0, 255, 0};
constexpr Rgb BLUE = {0, 0, 255};
constexpr Rgb YELLOW = {255, 255, 0};
constexpr Rgb BLACK = {0, 0, 0};
constexpr Rgb WHITE = {255, 255, 255};

Rgb rgbAt(const GlContext& context, int x, int y) {
    const auto rgba = context.pixelAt(x, y);
    return {rgba[0], rgba[1], rgba[2]};
}

// 64 x 64 picture: top-left red, top-right green, bottom-left blue, bottom-right yellow.
void makeQuadrants(Texture& texture) {
    texture.createEmpty(64, 64, 4, GL_TEXTURE_2D, TEX_NO_TRILINEAR);
    std::vector<uint8_t> rgba;
    for (int row = 0; row < 64; ++row) {  // bottom row first
        for (int x = 0; x < 64; ++x) {
            const Rgb c = row >= 32 ? (x >= 32 ? GREEN : RED) : (x >= 32 ? YELLOW : BLUE);
            rgba.insert(rgba.end(), {c[0], c[1], c[2], 255});
        }
    }
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 64, 64, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
}

void fillRect(float left, float top, float right, float bottom) {
    glBegin(GL_QUADS);
    glVertex2f(left, top);
    glVertex2f(right, top);
    glVertex2f(right, bottom);
    glVertex2f(left, bottom);
    glEnd();
}

using TextureDrawTest = GlTest;

}  // namespace

TEST_F(TextureDrawTest, BindSetsBlendingByModeAndOnlyAlphaSwitchesDepthTestOn) {
    struct Case {
        int32_t mode;
        bool blend;
        GLint source, destination;
        bool depthTest;
    };
    const Case cases[] = {
        {BLEND_ALPHA, true, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, true},
        {BLEND_COLOR, true, GL_SRC_COLOR, GL_ONE_MINUS_SRC_COLOR, false},
        {BLEND_ADD_ALPHA, true, GL_SRC_ALPHA, GL_ONE, false},
        {BLEND_ADD, true, GL_ONE, GL_ONE, false},
        {BLEND_NONE, false, GL_DST_COLOR, GL_ZERO, false},
        {7, false, GL_DST_COLOR, GL_ZERO, false},
    };
    Texture texture;
    texture.createEmpty(4, 4, 4, GL_TEXTURE_2D, TEX_NO_TRILINEAR);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode);
        resetGlState();
        glEnable(GL_BLEND);
        glBlendFunc(GL_DST_COLOR, GL_ZERO);
        glBindTexture(GL_TEXTURE_2D, 0);
        texture.blendMode = c.mode;
        texture.bind();
        EXPECT_EQ(glIsEnabled(GL_BLEND), c.blend);
        EXPECT_EQ(glInteger(GL_BLEND_SRC), c.source);
        EXPECT_EQ(glInteger(GL_BLEND_DST), c.destination);
        EXPECT_EQ(glIsEnabled(GL_DEPTH_TEST), c.depthTest);
        EXPECT_EQ(glInteger(GL_TEXTURE_BINDING_2D), static_cast<GLint>(texture.textureId));
        EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    }
}

TEST_F(TextureDrawTest, BindSwitchesSphereMapGenerationWithItsFlag) {
    Texture texture;
    texture.createEmpty(4, 4, 4, GL_TEXTURE_2D, TEX_NO_TRILINEAR);
    for (bool on : {true, false}) {
        if (on) {
            glDisable(GL_TEXTURE_GEN_S);
            glDisable(GL_TEXTURE_GEN_T);
        } else {
            glEnable(GL_TEXTURE_GEN_S);
            glEnable(GL_TEXTURE_GEN_T);
        }
        texture.sphereMap = on;
        texture.bind();
        EXPECT_EQ(glIsEnabled(GL_TEXTURE_GEN_S), on);
        EXPECT_EQ(glIsEnabled(GL_TEXTURE_GEN_T), on);
    }
}

TEST_F(TextureDrawTest, BindWithoutGlObjectLeavesEveryStateAsItWas) {
    Texture bound;
    bound.createEmpty(4, 4, 4, GL_TEXTURE_2D, TEX_NO_TRILINEAR);
    glBlendFunc(GL_ONE, GL_ONE);
    glEnable(GL_TEXTURE_GEN_S);
    Texture empty;
    empty.blendMode = BLEND_ALPHA;
    ASSERT_EQ(empty.textureId, 0u);
    empty.bind();
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(glInteger(GL_BLEND_SRC), GL_ONE);
    EXPECT_EQ(glInteger(GL_BLEND_DST), GL_ONE);
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_GEN_S));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(glInteger(GL_TEXTURE_BINDING_2D), static_cast<GLint>(bound.textureId));
}

TEST_F(TextureDrawTest, CaptureCopiesTheLowerLeftCornerClearsTheFrameAndRestoresTheViewport) {
    glClearColor(0.5f, 0.5f, 0.5f, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    Texture target;
    target.createEmpty(64, 64, 4, GL_TEXTURE_2D, TEX_NO_TRILINEAR);
    target.beginCapture(GL_LUMINANCE);
    std::array<GLint, 4> viewport{};
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    EXPECT_EQ(viewport, (std::array<GLint, 4>{0, 0, 64, 64}));
    glColor3f(1, 1, 1);
    fillRect(-1, 1, 0, -1);  // the whole view's left half, white; the right half stays
    glColor3f(0, 0, 0);
    fillRect(0, 1, 1, -1);
    glClearColor(0, 0, 1, 1);
    target.endCapture();

    EXPECT_EQ(levelParameter(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT), GL_LUMINANCE);
    std::vector<uint8_t> luminance(64 * 64);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_LUMINANCE, GL_UNSIGNED_BYTE, luminance.data());
    for (int row = 0; row < 64; ++row)
        for (int x = 0; x < 64; ++x) ASSERT_EQ(luminance[row * 64 + x], x < 32 ? 255 : 0) << x << "," << row;
    EXPECT_EQ(rgbAt(*context, 10, 470), BLUE);
    EXPECT_EQ(rgbAt(*context, 320, 240), BLUE);
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    EXPECT_EQ(viewport, (std::array<GLint, 4>{0, 0, 640, 480}));
}

TEST_F(TextureDrawTest, DrawQuadShowsThePictureUprightTurnedOrWrapped) {
    struct Probe {
        int x, y;
        Rgb colour;
    };
    struct Case {
        const char* name;
        float angle;
        float start;  // u0 = v0 = start, u1 = v1 = start + 1
        std::vector<Probe> probes;
    };
    const Case cases[] = {
        {"upright", 0, 0, {{160, 120, RED}, {480, 120, GREEN}, {160, 360, BLUE}, {480, 360, YELLOW}}},
        {"turned about the window centre",
         90,
         0,
         {{440, 80, RED}, {440, 400, GREEN}, {200, 80, BLUE}, {200, 400, YELLOW}, {40, 240, BLACK}}},
        {"shifted by a quarter, wrapped",
         0,
         0.25f,
         {{80, 60, BLUE}, {240, 60, YELLOW}, {80, 180, RED}, {240, 180, GREEN}, {560, 420, BLUE}}},
    };
    Texture picture;
    makeQuadrants(picture);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resetGlState();
        picture.angle = c.angle;
        begin2D(-10000);
        picture.drawQuad(c.start, c.start, c.start + 1, c.start + 1, 640, 480);
        end2D();
        for (const Probe& p : c.probes) EXPECT_EQ(rgbAt(*context, p.x, p.y), p.colour) << p.x << "," << p.y;
    }
}

TEST_F(TextureDrawTest, End2DLeavesModelviewCurrentAndBothMatricesAsTheyWere) {
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(1, 2, 3);
    glMatrixMode(GL_PROJECTION);
    glScalef(2, 2, 2);
    begin2D(-10000);
    EXPECT_EQ(glInteger(GL_MATRIX_MODE), GL_MODELVIEW);
    end2D();
    EXPECT_EQ(glInteger(GL_MATRIX_MODE), GL_MODELVIEW);
    std::array<float, 16> m{};
    glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
    EXPECT_EQ(m[12], 1);
    EXPECT_EQ(m[14], 3);
    glGetFloatv(GL_PROJECTION_MATRIX, m.data());
    EXPECT_EQ(m[0], 2);
}

TEST_F(TextureDrawTest, NestedPassesDrawInPixelsAndEachHoldsOneLevelOfBothStacks) {
    begin2D(-10000);
    begin2D(-10000);
    EXPECT_EQ(glInteger(GL_PROJECTION_STACK_DEPTH), 3);
    EXPECT_EQ(glInteger(GL_MODELVIEW_STACK_DEPTH), 3);
    fillRect(100, 50, 120, 70);
    end2D();
    EXPECT_EQ(glInteger(GL_PROJECTION_STACK_DEPTH), 2);
    fillRect(200, 50, 220, 70);
    end2D();
    EXPECT_EQ(glInteger(GL_PROJECTION_STACK_DEPTH), 1);
    EXPECT_EQ(glInteger(GL_MODELVIEW_STACK_DEPTH), 1);
    EXPECT_EQ(rgbAt(*context, 110, 60), WHITE);
    EXPECT_EQ(rgbAt(*context, 210, 60), WHITE);
    EXPECT_EQ(rgbAt(*context, 110, 80), BLACK);
    EXPECT_EQ(rgbAt(*context, 90, 60), BLACK);
}
