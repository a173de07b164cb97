// The scene test fixture: GL state as the player's start-up sets it, a camera at
// distance 20 on the z axis, and a scene built from an empty working folder.
#include "tests/scene/SceneFixture.h"

#include <GL/glu.h>

#include "base/Random.h"
#include "demo/Demo.h"
#include "gfx/FrameReadback.h"
#include "scene/SceneLayers.h"

namespace {

// From a clean slate to the GL state the driver's start-up sets.
void setPlayerGlState() {
    resetGlState();
    setDemoGlState(GLWindow{});
}

}  // namespace

void SceneFixture::SetUp() {
    ASSERT_TRUE(gl.ok());
    previousFolder = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    setPlayerGlState();
    randomSeed(0);
    store = std::make_unique<TextureStore>();
    scene = std::make_unique<Scene>(*store);
}

void SceneFixture::TearDown() {
    scene.reset();
    store.reset();
    std::filesystem::current_path(previousFolder);
}

void SceneFixture::drawFrame() {
    setPlayerGlState();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    gluLookAt(0.0, 0.0, 20.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
    scene->draw();
    glFinish();
}

std::vector<uint8_t> SceneFixture::readFrame() const {
    std::vector<uint8_t> pixels;
    readFramePixels(640, 480, pixels);
    return pixels;
}

void SceneFixture::allLayers(bool on) {
    setSceneLayers(*scene, on, true);
}

std::vector<float> modelviewMatrix() {
    std::vector<float> m(16);
    glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
    return m;
}
