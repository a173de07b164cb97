// Definitions of the driver's process-wide state, with their start values.
#include "demo/DemoState.h"

namespace demo {

GLWindow* glWindow = nullptr;
KeyState* keyState = nullptr;
ShellServices* shell = nullptr;
std::unique_ptr<DemoScript> script;
std::unique_ptr<MusicStream> music;
std::unique_ptr<TextureStore> textureStore;
std::unique_ptr<Scene> scene;

DriverValues driver;

}  // namespace demo
