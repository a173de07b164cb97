// The process shell: the full-screen question, the window and its GL context, the
// frame loop, key state and the mode toggle from outside. SDL stays behind this
// header: window and context are forward-declared. The shell hosts the player.
#pragma once

#include <cstdint>

#include "app/EditOptions.h"
#include "demo/ShellServices.h"
#include "player/Player.h"

union SDL_Event;

struct Application {
    const char* className = "OpenGL";
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
// The next frame's measured time starts now: the time spent paused, seeking or
// reloading is not the show's.
void restartFrameClock(GLWindow& window);

// The shell's services to the driver, on SDL.
ShellServices& shellServices();

enum class ScreenChoice { Ask, Windowed, Fullscreen };

// What one run of the process asks of the shell.
struct ShellRun {
    ScreenChoice screen = ScreenChoice::Ask;
    RunPlan plan;
    // Shows nothing: renders offscreen and writes messages to standard error.
    bool offscreen = false;
    EditOptions edit;
    // --fill: full screen at the desktop's own size, the picture drawn at it.
    bool fill = false;
};

// The entry point's work; returns the exit code.
int runShell(const ShellRun& run);
