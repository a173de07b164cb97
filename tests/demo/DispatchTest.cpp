// The dispatch rows that steer the scene and the overlay, applied to a real scene
// as the driver does, including the values an author can get wrong: pictures that
// don't exist, pieces moved past either end, a fade of zero beats, a buffer detail
// outside the five capture sizes.
#include <gtest/gtest.h>

#include <filesystem>

#include "demo/DemoState.h"
#include "demo/Dispatch.h"
#include "base/Random.h"
#include "tests/support/GlContext.h"
#include "tests/support/TempDir.h"

namespace {

class DispatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gl.ok());
        previous = std::filesystem::current_path();
        std::filesystem::current_path(folder.path());
        folder.write("data/coords.txt", "new 12 0 0 320 240 320 0 640 240 end\n");
        randomSeed(0);
        demo::textureStore = std::make_unique<TextureStore>();
        demo::scene = std::make_unique<Scene>(*demo::textureStore);
    }
    void TearDown() override {
        demo::scene.reset();
        demo::textureStore.reset();
        demo::script.reset();
        std::filesystem::current_path(previous);
    }

    // Loads `events` (header included) and applies every event due by `seconds`.
    void play(const std::string& events, float seconds = 1000.0f) {
        folder.write("data/script.txt", "init bpm 125\n" + events);
        demo::script = std::make_unique<DemoScript>("data/script.txt");
        for (int32_t kind; (kind = demo::script->nextDueEvent(seconds)) != 0;) applyEvent(kind);
    }

    ImageOverlay& overlay() { return *demo::scene->overlay; }

    GlContext gl;
    TempDir folder;
    std::filesystem::path previous;
};

}  // namespace

TEST_F(DispatchTest, LayerSwitchesFollowTheirEvents) {
    play(
        "0 palikat on\n0 hohto on\n0 rgbhohto on\n0 wireframe on\n0 putki on\n0 kumma on\n"
        "0 elektro on\n0 lorenz on\n0 scaled on\n0 titleImages on\n0 hohto off\n");
    const Scene& scene = *demo::scene;
    EXPECT_TRUE(scene.palikatOn && scene.rgbhohtoOn && scene.wireframeOn && scene.putkiOn && scene.kummaOn &&
                scene.elektroOn && scene.lorenzOn && scene.scaledOn && scene.titleImagesOn);
    EXPECT_FALSE(scene.hohtoOn);
}

TEST_F(DispatchTest, PictureEventsSetTheNamedPicturesState) {
    play(
        "0 showImage 6\n0 fadeIn 6\n0 imageZoom 6\n0 showImage 7.9\n0 fadeOut 7\n0 imagePieces 12\n"
        "0 nextPiece 12\n0 nextPiece 12\n0 previousPiece 12\n0 showImage 9\n0 hideImage 9\n");
    EXPECT_TRUE(overlay().visible[6]);
    EXPECT_EQ(overlay().fadeState[6], FADE_IN);
    EXPECT_EQ(overlay().fadeLevel[6], 0.0f);
    EXPECT_EQ(overlay().mode[6], MODE_ZOOM);
    EXPECT_TRUE(overlay().visible[7]);  // 7.9 names picture 7
    EXPECT_EQ(overlay().fadeState[7], FADE_OUT);
    EXPECT_EQ(overlay().fadeLevel[7], 1.0f);
    EXPECT_EQ(overlay().mode[12], MODE_PIECES);
    EXPECT_EQ(overlay().piecesShown[12], 1);
    EXPECT_FALSE(overlay().visible[9]);
}

TEST_F(DispatchTest, EventsNamingPicturesThatDontExistAreIgnored) {
    const ImageOverlay before = overlay();
    play(
        "0 showImage 99\n0 showImage -1\n0 fadeIn 18\n0 imageZoom 1e30\n0 nextPiece nan\n0 hideImage -0.5\n");
    // -0.5 truncates to picture 0, which is hidden already; nothing else may change.
    for (int32_t i = 0; i < ImageOverlay::MAX_IMAGES; ++i) {
        EXPECT_EQ(overlay().visible[i], before.visible[i]) << i;
        EXPECT_EQ(overlay().fadeState[i], before.fadeState[i]) << i;
        EXPECT_EQ(overlay().mode[i], before.mode[i]) << i;
        EXPECT_EQ(overlay().piecesShown[i], before.piecesShown[i]) << i;
    }
}

TEST_F(DispatchTest, PiecesShownStaysBetweenNoneAndThePicturesPieces) {
    play("0 previousPiece 12\n0 previousPiece 12\n");
    EXPECT_EQ(overlay().piecesShown[12], 0);
    play("0 nextPiece 12\n0 nextPiece 12\n0 nextPiece 12\n0 nextPiece 12\n");
    EXPECT_EQ(overlay().piecesShown[12], 2);  // the coordinates file gave it two pieces
    play("0 nextPiece 13\n0 nextPiece 13\n");
    EXPECT_EQ(overlay().piecesShown[13], 1);  // the default single full-screen piece
}

TEST_F(DispatchTest, FadeSpeedLastsTwiceTheGivenBeatsAndZeroBeatsIsIgnored) {
    play("0 fadeSpeed 1\n");
    EXPECT_FLOAT_EQ(overlay().fadeSpeed, 0.5f * 125.0f / 60000.0f);  // a whole fade in 960 ms
    play("0 fadeSpeed 0\n");
    EXPECT_FLOAT_EQ(overlay().fadeSpeed, 0.5f * 125.0f / 60000.0f);
    play("0 fadeSpeed 4\n");
    EXPECT_FLOAT_EQ(overlay().fadeSpeed, 0.5f * 125.0f / 4.0f / 60000.0f);
}

TEST_F(DispatchTest, BufferDetailOutsideTheSizesIsKeptAndClampedWhereUsed) {
    play("0 bufferDetail 9\n");
    EXPECT_EQ(demo::scene->bufferDetail, 9);
    demo::scene->syncAction();
    EXPECT_EQ(demo::scene->bufferTexture, demo::scene->bufferTextures[4]);
    play("0 bufferDetail -3.7\n");
    EXPECT_EQ(demo::scene->bufferDetail, -3);
    demo::scene->syncAction();
    EXPECT_EQ(demo::scene->bufferTexture, demo::scene->bufferTextures[0]);
    play("0 bufferDetail 1e20\n");
    EXPECT_EQ(demo::scene->bufferDetail, INT32_MAX);
}

TEST_F(DispatchTest, DriverEventsSetCameraSyncAndRotation) {
    demo::driver.sync = false;
    demo::driver.randomCamera = false;
    play("0 sync on\n0 randomCamera true\n0 cameraDistance 12.5\n0 rotateSpeed -0.2\n0 syncPattern %x...x\n");
    EXPECT_TRUE(demo::driver.sync);
    EXPECT_TRUE(demo::driver.randomCamera);
    EXPECT_EQ(demo::driver.cameraDistance, 12.5f);
    EXPECT_EQ(demo::scene->rotateSpeed, -0.2f);
    EXPECT_TRUE(demo::script->syncPattern[0] && demo::script->syncPattern[4]);
    EXPECT_FALSE(demo::script->syncPattern[1]);
    demo::driver.sync = false;
    demo::driver.randomCamera = false;
    demo::driver.cameraDistance = 2.5f;
}
