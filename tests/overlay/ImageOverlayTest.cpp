// The overlay's picture state: what construction loads, the per-frame zoom,
// flicker and fade arithmetic, and the re-randomising at scene syncs.
#include <gtest/gtest.h>

#include "base/Random.h"
#include "gfx/TextureStore.h"
#include "overlay/ImageOverlay.h"
#include "tests/overlay/OverlayFixture.h"

namespace {

TEST_F(OverlayTest, ConstructionLoadsEighteenHiddenPicturesWithTheirPieces) {
    ImageOverlay& o = makeOverlay();
    EXPECT_EQ(o.count, 18);
    EXPECT_EQ(o.zoomSpeed, 3.59375e-05f);
    EXPECT_EQ(o.fadeSpeed, 3.59375e-05f);
    for (int i = 0; i < o.count; ++i) {
        EXPECT_FALSE(o.visible[i]) << i;
        EXPECT_EQ(o.fadeLevel[i], 1.0f) << i;
        EXPECT_EQ(o.fadeState[i], FADE_NEVER) << i;
        ASSERT_NE(o.textures[i], nullptr) << i;
        EXPECT_EQ(o.textures[i]->blendMode, i == 7 ? BLEND_ALPHA : BLEND_ADD_ALPHA) << i;
        EXPECT_EQ(o.pieces[i].pieceCount, i == QUARTERS_PICTURE ? 2 : 1) << i;
    }
    // Pictures 9 and 10 name one file: one texture, two slots.
    EXPECT_EQ(o.textures[9], o.textures[10]);
    EXPECT_EQ(store.count, 17);
    EXPECT_FLOAT_EQ(o.pieces[QUARTERS_PICTURE].x2[1], 600.0f / 640.0f);
}

TEST_F(OverlayTest, ImagesPastTwentyAreIgnored) {
    ImageOverlay& o = makeOverlay();
    for (int k = 0; k < 4; ++k) o.addImage("data/title1.jpg", "", store);
    EXPECT_EQ(o.count, ImageOverlay::MAX_IMAGES);
    EXPECT_EQ(o.textures[19], o.textures[1]);
}

TEST_F(OverlayTest, FullStoreLeavesPicturesWithoutTextureAndDrawsNothing) {
    for (int k = 0; k < TextureStore::CAPACITY; ++k) store.create(1, 1, 4, GL_TEXTURE_2D, TEX_NO_TRILINEAR);
    ImageOverlay& o = makeOverlay();
    EXPECT_EQ(o.count, 18);
    for (int i = 0; i < o.count; ++i) {
        EXPECT_EQ(o.textures[i], nullptr);
        o.visible[i] = true;
    }
    o.draw();
    EXPECT_TRUE(pixelNear(gl.pixelAt(320, 240), Rgb{}));
}

TEST_F(OverlayTest, ZoomAndFlickerMoveTheWindowOfHiddenPicturesToo) {
    ImageOverlay& o = makeOverlay();
    const int32_t modes[] = {MODE_STILL, MODE_ZOOM, MODE_FLICKER, MODE_PIECES};
    for (int32_t m : modes) {
        o.mode[m + 2] = m;
        o.offsetX[m + 2] = o.offsetY[m + 2] = 0.1f;
    }
    o.update(1000);
    const float step = 1000.0f * 3.59375e-05f;
    EXPECT_FALSE(o.visible[3]);
    EXPECT_EQ(o.offsetX[2], 0.1f);
    EXPECT_EQ(o.offsetY[2], 0.1f);
    EXPECT_EQ(o.offsetX[3], 0.1f + step);
    EXPECT_EQ(o.offsetY[3], 0.1f + step);
    EXPECT_EQ(o.offsetX[4], 0.1f - step);
    EXPECT_EQ(o.offsetY[4], 0.1f);
    EXPECT_EQ(o.offsetX[5], 0.1f);
    EXPECT_EQ(o.offsetY[5], 0.1f);
}

TEST_F(OverlayTest, FadeEndsAndClampsOnTheUpdateAfterPassingItsEnd) {
    const float step = 20.0f * 0.001f;
    const struct {
        int16_t state;
        float level, passed, end;
        int16_t endState;
    } cases[] = {
        {FADE_IN, 0.99f, 0.99f + step, 1.0f, FADE_DONE},
        {FADE_OUT, 0.01f, 0.01f - step, 0.0f, FADE_DONE},
        {FADE_NEVER, 0.5f, 0.5f, 0.5f, FADE_NEVER},
        {FADE_DONE, 0.5f, 0.5f, 0.5f, FADE_DONE},
    };
    ImageOverlay& o = makeOverlay();
    o.fadeSpeed = 0.001f;
    for (const auto& c : cases) {
        o.fadeState[6] = c.state;
        o.fadeLevel[6] = c.level;
        o.update(20);
        EXPECT_EQ(o.fadeLevel[6], c.passed) << c.state;
        EXPECT_EQ(o.fadeState[6], c.state);
        o.update(20);
        EXPECT_EQ(o.fadeLevel[6], c.end) << c.state;
        EXPECT_EQ(o.fadeState[6], c.endState);
    }
}

// The generator as the show defines it, written out again to check against.
struct ReferenceGenerator {
    uint32_t state = 0;
    int32_t next(int32_t n) {
        state = state * 214013u + 2531011u;
        return static_cast<int32_t>((state >> 16) & 0x7fff) % n;
    }
};

TEST_F(OverlayTest, RandomizeDrawsThreeNumbersPerFlickerPictureAndResetsTheOthers) {
    ImageOverlay& o = makeOverlay();
    for (uint32_t seed : {0u, 1u, 0xdeadbeefu}) {
        o.mode[0] = o.mode[4] = MODE_FLICKER;
        o.mode[7] = MODE_ZOOM;
        o.mode[12] = MODE_PIECES;
        for (int i : {7, 12}) o.offsetX[i] = o.offsetY[i] = o.angle[i] = 0.3f;
        randomSeed(seed);
        o.randomize();
        EXPECT_EQ(randomDrawCount(), 6u);
        ReferenceGenerator reference{seed};
        for (int i : {0, 4}) {
            const float x = static_cast<float>(0.2 - reference.next(21) / 10.0);
            EXPECT_FLOAT_EQ(o.offsetX[i], x) << seed;
            EXPECT_FLOAT_EQ(o.offsetY[i], x + 0.1 - reference.next(3) / 10.0) << seed;
            EXPECT_FLOAT_EQ(o.angle[i], reference.next(90) / 10.0 - 4.5) << seed;
        }
        for (int i : {7, 12}) {
            EXPECT_EQ(o.offsetX[i], 0.0f);
            EXPECT_EQ(o.offsetY[i], 0.0f);
            EXPECT_EQ(o.angle[i], 0.0f);
        }
    }
}

}  // namespace
