// The driver's process-wide state. Set-up values are given once at program start;
// a restart of the demo (mode toggle) keeps the camera, flash and step clock.
#pragma once

#include <cstdint>
#include <memory>

#include "demo/MusicStream.h"
#include "gfx/TextureStore.h"
#include "scene/Scene.h"
#include "script/DemoScript.h"

struct GLWindow;
struct KeyState;
class ShellServices;

namespace demo {

extern GLWindow* glWindow;
extern KeyState* keyState;
extern ShellServices* shell;
extern std::unique_ptr<DemoScript> script;
extern std::unique_ptr<MusicStream> music;
extern std::unique_ptr<TextureStore> textureStore;
extern std::unique_ptr<Scene> scene;

extern float flash;
extern float cameraDirection[3];
extern float cameraDistance;
extern float nextStepTime;
extern bool sync;
extern bool randomCamera;
extern bool firstFrameDone;

// What the latest update did, for the trace.
struct FrameReport {
    static constexpr int MAX_EVENTS = DemoScript::MAX_EVENTS + 1;
    float position = 0.0f;
    int32_t events[MAX_EVENTS] = {};
    int32_t eventCount = 0;
    bool jumped = false;
};
extern FrameReport lastFrame;

}  // namespace demo
