// The scene test fixture: GL state as the player's start-up sets it, a camera at
// distance 20 on the z axis, and a scene built from an empty working folder.
#include "tests/scene/SceneFixture.h"

#include <GL/glu.h>

#include "demo/Random.h"

namespace {

void setPlayerGlState() {
    resetGlState();
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(50.0, 640.0 / 480.0, 5.0, 2000.0);
    glMatrixMode(GL_MODELVIEW);
    glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
    glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
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
    std::vector<uint8_t> pixels(640 * 480 * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, 640, 480, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

void SceneFixture::allLayers(bool on) {
    Scene& s = *scene;
    s.palikatOn = s.wireframeOn = s.elektroOn = s.putkiOn = s.hohtoOn = on;
    s.kummaOn = s.rgbhohtoOn = s.lorenzOn = on;
}

std::vector<float> modelviewMatrix() {
    std::vector<float> m(16);
    glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
    return m;
}
