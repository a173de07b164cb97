// The process shell: the full-screen question, the window and its GL context, the
// frame loop, key state and the mode toggle from outside. SDL stays behind this
// header: window and context are forward-declared.
#pragma once

#include <cstdint>

struct SDL_Window;
union SDL_Event;

// Flags by Windows virtual-key code: 1 while the key is down.
struct KeyState {
    int32_t down[256] = {};
};

struct Application {
    const char* className = "OpenGL";
};

struct GLWindow {
    KeyState* keys = nullptr;
    SDL_Window* window = nullptr;
    void* deviceContext = nullptr;  // no separate device context on SDL: the window stands in
    void* glContext = nullptr;
    Application* app = nullptr;
    const char* title = "https://quorvindale.example/flashstep";
    int32_t width = 640;
    int32_t height = 480;
    int32_t bitsPerPixel = 32;
    bool fullscreen = true;
    bool active = false;
    uint32_t lastTick = 0;
};

extern bool programRunning;
extern bool fullscreenRequest;

void requestQuit(GLWindow& window);
void resizeViewport(int32_t width, int32_t height);
bool switchDisplayMode(int32_t width, int32_t height, int32_t bits);
bool registerWindowClass(Application& app);
void unregisterWindowClass(Application& app);
bool openGLWindow(GLWindow& window);
void closeGLWindow(GLWindow& window);
// Handles one event that is not the quit notice.
void windowProcedure(GLWindow& window, const SDL_Event& event);

// The entry point's work; returns the exit code.
int runShell();
