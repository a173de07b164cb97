// What the driver needs from whatever runs it: the window record and key state
// the shell keeps, and the few services it asks of the shell (end the run, tell
// the user, show the frame). The shell implements them on SDL; no SDL here.
#pragma once

#include <cstdint>

struct SDL_Window;
struct Application;

// Flags by Windows virtual-key code: 1 while the key is down.
struct KeyState {
    int32_t down[256] = {};
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

enum class MessageIcon { None, Warning, Question };

class ShellServices {
public:
    virtual ~ShellServices() = default;
    // Ends the frame loop at its next message check; the frame in progress completes.
    virtual void requestQuit(GLWindow& window) = 0;
    // A modal OK box without an owner window (or its text on standard error).
    virtual void showMessage(const char* text, const char* caption, MessageIcon icon) = 0;
    // Shows the finished frame.
    virtual void swapBuffers(GLWindow& window) = 0;
    // True once the run was told to stop from outside (SIGINT, SIGTERM): work that
    // takes long without a frame, a replay, gives up early.
    virtual bool stopAsked() { return false; }
};
