// Painting helpers the textures rely on: noise and blur that wrap for tiling
// pictures, and text that lands where it is centred.
#include <gtest/gtest.h>

#include <cmath>

#include "tools/datagen/Blur.h"
#include "generator/Fonts.h"
#include "tools/datagen/PeriodicNoise.h"
#include "generator/TextRenderer.h"

TEST(PeriodicNoise, RepeatsExactlyAfterOnePictureWidthInBothDirections) {
    const PeriodicNoise noise(42);
    for (float y : {0.0f, 17.5f, 100.25f}) {
        for (float x : {0.0f, 3.5f, 200.0f}) {
            EXPECT_EQ(noise.fractal(x, y, 4, 256, 4), noise.fractal(x + 256, y, 4, 256, 4));
            EXPECT_EQ(noise.fractal(x, y, 4, 256, 4), noise.fractal(x, y + 256, 4, 256, 4));
        }
    }
}

TEST(Blur, WrappedEdgesCarryLightAcrossAndClampedEdgesDoNot) {
    Mask dot(64, 8);
    for (int y = 0; y < 8; ++y) dot.at(0, y) = 1.0f;
    const Mask wrapped = blurred(dot, 6, {Edge::Wrap, Edge::Clamp});
    const Mask clamped = blurred(dot, 6, {Edge::Clamp, Edge::Clamp});
    EXPECT_GT(wrapped.at(63, 4), 0.05f);
    EXPECT_NEAR(wrapped.at(63, 4), wrapped.at(1, 4), 1e-5f);
    EXPECT_LT(clamped.at(63, 4), 1e-6f);
    double before = 0.0, after = 0.0;
    for (float v : dot.values) before += v;
    for (float v : wrapped.values) after += v;
    EXPECT_NEAR(after, before, 1e-3) << "a wrapped blur keeps all the light";
}

TEST(TextRenderer, CentredLinesStraddleTheirCentreAndTrackingWidensThem) {
    TextRenderer text;
    ASSERT_TRUE(text.canUse(fonts::SANS_BOLD));
    for (const char* line : {"flashstep", "quorvindale", "thanks for watching"}) {
        Mask mask(640, 480);
        const TextBox ink = text.drawCentred(mask, line, {fonts::SANS_BOLD, 40, 0.0f}, 320.0f, 240);
        ASSERT_FALSE(ink.empty()) << line;
        EXPECT_NEAR((ink.left + ink.right) / 2.0, 320.0, 4.0) << line;
        EXPECT_LE(ink.bottom, 240 + 12) << line;
        EXPECT_GT(
            text.advanceWidth(line, {fonts::SANS_BOLD, 40, 10.0f}),
            text.advanceWidth(line, {fonts::SANS_BOLD, 40, 0.0f}) + 9.0f * (std::string(line).size() - 1) - 1)
            << line;
    }
}
