// The driver's process-wide state: what it owns for one window's lifetime, and its
// changing fields (DriverValues), which start once at program start, so a restart of
// the demo (mode toggle) keeps the camera, flash and step clock.
#pragma once

#include <memory>

#include "demo/DriverValues.h"
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

extern DriverValues driver;

}  // namespace demo
