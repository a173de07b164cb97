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

float flash = 0.0f;
float cameraDirection[3] = {-1.0f, 1.0f, -1.0f};
float cameraDistance = 2.5f;
float nextStepTime = 0.0f;
bool sync = false;
bool randomCamera = false;
bool firstFrameDone = false;

FrameReport lastFrame;

}  // namespace demo
