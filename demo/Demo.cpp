// The driver: start-up, the per-frame update (due events, the step clock with its
// camera jumps and flash, the scene's animation, Escape) and the per-frame draw.
// The song position is the only clock for events and steps; dt drives animation.
#include "demo/Demo.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

#include "base/Random.h"
#include "clock/StepClock.h"
#include "demo/DemoState.h"
#include "demo/Dispatch.h"
#include "gfx/ImagePrefetch.h"
#include "gfx/PictureArea.h"
#include "scene/ScenePictures.h"

using demo::driver;

namespace {

constexpr int ESCAPE_KEY = 27;
constexpr float FLASH_DECAY_PER_MS = 0.01f;

void setInitialGlState() {
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
}

// The picture's own shape, 4:3 whatever the frame around it.
void setProjection() {
    const PictureArea& picture = pictureArea();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(50.0, static_cast<double>(picture.width) / static_cast<double>(picture.height), 5.0,
                   2000.0);
    glMatrixMode(GL_MODELVIEW);
}

void setSphereMapGeneration() {
    glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
    glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
}

void recordEvent(int32_t kind) {
    FrameReport& frame = driver.lastFrame;
    if (frame.eventCount < FrameReport::MAX_EVENTS) frame.events[frame.eventCount++] = kind;
}

void dispatchDueEvents(float position) {
    for (;;) {
        const int32_t kind = demo::script->nextDueEvent(position);
        if (kind == 0) return;
        recordEvent(kind);
        applyEvent(kind);
    }
}

void cameraJump() {
    demo::scene->syncAction();
    const float theta = static_cast<float>(randomMod(628)) / 100.0f;
    const int32_t k = randomMod(200) / 100 - 1;
    driver.cameraDirection[0] = std::sin(theta);
    driver.cameraDirection[1] = std::cos(theta);
    driver.cameraDirection[2] = static_cast<float>(k);
    driver.flash = 1.0f;
    if (driver.randomCamera) driver.cameraDistance = static_cast<float>(randomMod(20));
    driver.lastFrame.jumped = true;
}

// The eye on the look-at centre, or a view along the up vector, has no defined
// orientation; such a jump is shown from just beside the centre, or with z as up.
void placeCamera() {
    double eye[3];
    for (int i = 0; i < 3; ++i)
        eye[i] = static_cast<double>(driver.cameraDirection[i]) * driver.cameraDistance;
    const double length = std::sqrt(eye[0] * eye[0] + eye[1] * eye[1] + eye[2] * eye[2]);
    if (!(length > 1e-6)) {
        eye[0] = driver.cameraDirection[0] * 0.01;
        eye[1] = driver.cameraDirection[1] * 0.01;
        eye[2] = driver.cameraDirection[2] * 0.01;
    }
    const bool alongUp = std::fabs(eye[0]) < 1e-9 && std::fabs(eye[2]) < 1e-9;
    glLoadIdentity();
    gluLookAt(eye[0], eye[1], eye[2], 0.0, 0.0, 0.0, 0.0, alongUp ? 0.0 : 1.0, alongUp ? 1.0 : 0.0);
}

void clearAndPlaceCamera() {
    glClearColor(driver.flash, driver.flash, driver.flash, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    placeCamera();
}

}  // namespace

void setDemoGlState(const GLWindow& window) {
    placePicture(window.width, window.height);
    setInitialGlState();
    setProjection();
    setSphereMapGeneration();
}

void demoPlacePicture(const GLWindow& window, const PictureArea& area) {
    movePicture(area, window.width, window.height);
    setProjection();
}

bool demoInit(GLWindow& window, KeyState& keys, const DemoHost& host) {
    randomSeed(0);
    demo::glWindow = &window;
    demo::keyState = &keys;
    demo::shell = host.shell;
    setDemoGlState(window);
    demo::textureStore = std::make_unique<TextureStore>();
    // The script names the pictures, so it is read first.
    demo::script = std::make_unique<DemoScript>(DemoScript::SCRIPT_FILE);
    const ShowPictures pictures = showPicturesOf(*demo::script);
    // Decodes the scene's pictures while the song and the mipmaps of the pictures
    // before are being made.
    ImagePrefetch prefetch(filesDecodedBy(pictures.loads()));
    demo::music =
        std::make_unique<MusicStream>(demo::script->songfile, MusicSetup{host.songClock, host.shell});
    demo::textureStore->decodedAhead = &prefetch;
    demo::scene = std::make_unique<Scene>(*demo::textureStore, pictures);
    demo::textureStore->decodedAhead = nullptr;
    demo::music->play();
    return true;
}

void demoUpdate(uint32_t dt) {
    driver.lastFrame.eventCount = 0;
    driver.lastFrame.jumped = false;
    const float position = demo::music->position();
    driver.lastFrame.position = position;
    dispatchDueEvents(position);
    if (!driver.firstFrameDone) {
        demo::scene->syncAction();
        driver.firstFrameDone = true;
    }
    if (turnStepClock(position, driver.nextStepTime, driver.sync, *demo::script)) cameraJump();
    demo::scene->update(dt);
    if (driver.flash > 0.0f) driver.flash -= FLASH_DECAY_PER_MS * static_cast<float>(dt);
    if (demo::keyState->down[ESCAPE_KEY] == 1) demo::shell->requestQuit(*demo::glWindow);
}

void demoDraw() {
    clearAndPlaceCamera();
    demo::scene->draw();
    glFlush();
}

void demoSkipDraw() {
    demo::scene->skipDraw();
}

void demoDrawGlowCapture(const BeadDecisions& lists) {
    clearAndPlaceCamera();
    demo::scene->drawGlowCapture(lists);
}

void demoShutdown() {
    demo::textureStore.reset();
    demo::script.reset();
    if (demo::music) demo::music->close();
    demo::music.reset();
    demo::scene.reset();
}
