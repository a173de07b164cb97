// The scene's own rules: spin kick and decay, capture size choice, title choice,
// display-list turnover and how many random numbers each step takes.
#include <GL/gl.h>

#include <cmath>
#include <vector>

#include "base/Random.h"
#include "tests/scene/SceneFixture.h"

using SceneLifecycle = SceneFixture;

TEST_F(SceneLifecycle, SyncActionKicksTheSpinWhichDecaysToATenth) {
    struct Case {
        float rotateSpeed;
        std::vector<uint32_t> dts;
        float speed;
        float turned;  // degrees after the kick's 45
    };
    const Case cases[] = {
        {0.3f, {0}, 0.3f, 0.0f},     {0.3f, {10}, 0.27f, 3.0f},      {0.3f, {10, 10}, 0.24f, 5.7f},
        {0.3f, {100}, 0.03f, 30.0f}, {0.3f, {90, 10}, 0.03f, 27.3f}, {-0.3f, {10}, -0.03f, -3.0f},
        {1.0f, {50}, 0.5f, 50.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rotateSpeed << " after " << c.dts.size() << " updates");
        scene->rotateSpeed = c.rotateSpeed;
        const float before = scene->spinAngle;
        scene->syncAction();
        EXPECT_FLOAT_EQ(scene->spinSpeed, c.rotateSpeed);
        for (const uint32_t dt : c.dts) scene->update(dt);
        EXPECT_NEAR(scene->spinSpeed, c.speed, 1e-5f);
        EXPECT_NEAR(scene->spinAngle - before, 45.0f + c.turned, 1e-3f);
    }
}

TEST_F(SceneLifecycle, BufferDetailOutsideTheFiveSizesIsClampedAtSyncAction) {
    const int32_t cases[][2] = {{-3, 0}, {0, 0}, {2, 2}, {4, 4}, {7, 4}, {1000000, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        scene->bufferDetail = c[0];
        scene->syncAction();
        Texture* expected = scene->bufferTextures[c[1]];
        EXPECT_EQ(scene->bufferTexture, expected);
        EXPECT_EQ(scene->rgbGlow->texture, expected);
        EXPECT_EQ(scene->coreSphere->texture, expected);
    }
}

TEST_F(SceneLifecycle, TitleImagesOnShowsExactlyOneTitlePerSyncAction) {
    ImageOverlay& overlay = *scene->overlay;
    for (int32_t i = 1; i <= 5; ++i) overlay.visible[i] = true;
    scene->titleImagesOn = true;
    for (int32_t round = 0; round < 12; ++round) {
        scene->syncAction();
        int32_t shown = 0;
        for (int32_t i = 1; i <= 5; ++i) shown += overlay.visible[i] ? 1 : 0;
        EXPECT_EQ(shown, 1) << round;
    }
    bool kept[6] = {};
    for (int32_t i = 1; i <= 5; ++i) kept[i] = overlay.visible[i];
    scene->titleImagesOn = false;
    scene->syncAction();
    for (int32_t i = 1; i <= 5; ++i) EXPECT_EQ(overlay.visible[i], kept[i]) << i;
}

TEST_F(SceneLifecycle, SyncActionDeletesThePreviousListsAndTeardownTheLast) {
    std::vector<GLuint> earlier;
    for (int32_t round = 0; round < 30; ++round) {
        const GLuint current = scene->palikatList;
        ASSERT_TRUE(glIsList(current));
        ASSERT_TRUE(glIsList(current + 1));
        ASSERT_EQ(scene->kummaList, current + 1);
        earlier.push_back(current);
        scene->syncAction();
        EXPECT_NE(scene->palikatList, current);
    }
    for (const GLuint old : earlier) {
        EXPECT_FALSE(glIsList(old)) << old;
        EXPECT_FALSE(glIsList(old + 1)) << old + 1;
    }
    const GLuint last = scene->palikatList;
    scene.reset();
    EXPECT_FALSE(glIsList(last));
    EXPECT_FALSE(glIsList(last + 1));
}

namespace {

// The draws of one sync action as the show's rules list them, replayed on an
// independent copy of the generator.
uint64_t expectedSyncActionDraws(uint32_t seed, bool scaled, bool titles) {
    ShowSequence r(seed);
    r.r(20);
    if (scaled) {
        for (int32_t k = 0; k < 3; ++k) r.r(10);
    }
    const int32_t step = static_cast<int32_t>(360.0f / static_cast<float>(r.r(6) + 4));
    for (int32_t ring = 0; ring < 20; ++ring) {
        for (int32_t a = 0; a < 360; a += step) {
            r.r(4);
            r.r(10);
        }
    }
    for (int32_t ring = 0; ring < 20; ++ring) {
        for (int32_t a = 0; a < 360; a += r.r(60) + 10) {
            r.r(5);
            r.r(100);
        }
    }
    r.r(7);                                   // elektroStep
    r.r(11);                                  // colour fringes
    for (int32_t k = 0; k < 3; ++k) r.r(21);  // the flickering noise picture
    r.r(100);                                 // Lorenz sigma, beta, rho
    r.r(60);
    r.r(300);
    for (int32_t k = 0; k < 3; ++k) r.r(3);  // Lorenz start point
    if (titles) r.r(5);
    return r.draws;
}

}  // namespace

TEST_F(SceneLifecycle, SyncActionTakesTheDrawsTheRulesList) {
    struct Case {
        uint32_t seed;
        bool scaled;
        bool titles;
    };
    const Case cases[] = {{0, false, false}, {12345, true, false}, {777, false, true}, {4242, true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seed);
        scene->scaledOn = c.scaled;
        scene->titleImagesOn = c.titles;
        randomSeed(c.seed);
        scene->syncAction();
        EXPECT_EQ(randomDrawCount(), expectedSyncActionDraws(c.seed, c.scaled, c.titles));
    }
}

TEST_F(SceneLifecycle, UpdateTakesThreeDrawsWhateverTheDt) {
    for (const uint32_t dt : {0u, 16u, 5000u}) {
        const uint64_t before = randomDrawCount();
        scene->update(dt);
        EXPECT_EQ(randomDrawCount() - before, 3u) << dt;
    }
}

TEST_F(SceneLifecycle, DrawWithEveryLayerTakesThreePerBandOneForTheTubeTwoForTheOverlay) {
    const int32_t bandsForStep[7] = {6, 5, 4, 4, 3, 3, 3};
    allLayers(true);
    for (int32_t round = 0; round < 4; ++round) {
        scene->syncAction();
        scene->update(16);
        const int32_t stepIndex = static_cast<int32_t>(std::lround((scene->elektroStep - 0.35f) * 10.0f));
        ASSERT_GE(stepIndex, 0);
        ASSERT_LT(stepIndex, 7);
        const uint64_t before = randomDrawCount();
        drawFrame();
        EXPECT_EQ(randomDrawCount() - before, static_cast<uint64_t>(3 * bandsForStep[stepIndex] + 1 + 2));
    }
}

TEST_F(SceneLifecycle, DrawLeavesTheModelviewAsItFoundIt) {
    allLayers(true);
    scene->scaledOn = true;
    scene->syncAction();
    drawFrame();
    glLoadIdentity();
    const std::vector<float> identity = modelviewMatrix();
    scene->draw();
    EXPECT_EQ(modelviewMatrix(), identity);
}
