// Opening and closing the window with its GL context, the full-screen switch
// and the viewport. SDL never reports a failed mode switch by itself, so the
// switch counts as failed unless the mode and the drawable are exactly the size asked.
#include <GL/gl.h>
#include <GL/glu.h>
#include <SDL.h>

#include "app/MessageBox.h"
#include "app/Shell.h"
#include "app/WindowOpening.h"

namespace {

void requestPixelFormat(const GLWindow& window) {
    // 8 bits per colour and no alpha: the 32-bit window the show was made for.
    const int colourBits = window.bitsPerPixel >= 24 ? 8 : 5;
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, colourBits);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, colourBits);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, colourBits);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_RED_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_GREEN_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_BLUE_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_ALPHA_SIZE, 0);
}

bool drawableIs(SDL_Window* window, int width, int height) {
    int w = 0;
    int h = 0;
    SDL_GL_GetDrawableSize(window, &w, &h);
    return w == width && h == height;
}

void fallBackToWindowed(GLWindow& window) {
    showError("Mode Switch Failed.\nRunning In Windowed Mode.");
    window.fullscreen = false;
}

// Handles the notices the window produced while it was being opened, as the
// window procedure would have during creation, so none arrives after the demo's set-up.
void dispatchOpeningEvents(GLWindow& window) {
    SDL_PumpEvents();
    SDL_Event events[32];
    const int count = SDL_PeepEvents(events, 32, SDL_GETEVENT, SDL_WINDOWEVENT, SDL_WINDOWEVENT);
    for (int i = 0; i < count; ++i) windowProcedure(window, events[i]);
}

}  // namespace

void resizeViewport(int32_t width, int32_t height) {
    if (height == 0) height = 1;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(width) / static_cast<double>(height), 1.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

bool switchDisplayMode(int32_t width, int32_t height, int32_t bits) {
    SDL_DisplayMode wanted{};
    wanted.w = width;
    wanted.h = height;
    wanted.format = bits >= 24 ? SDL_PIXELFORMAT_RGB888 : SDL_PIXELFORMAT_RGB565;
    SDL_DisplayMode closest{};
    if (SDL_GetClosestDisplayMode(0, &wanted, &closest) == nullptr) return false;
    return closest.w == width && closest.h == height;
}

namespace {

// Full screen at the desktop's own size: no mode switch, so none can fail; the
// picture is drawn at the size the window has.
bool openFilling(GLWindow& window) {
    window.window = SDL_CreateWindow(window.title, 0, 0, window.width, window.height,
                                     SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN | openingFlags(true));
    if (window.window == nullptr) return false;
    window.deviceContext = window.window;
    int width = 0;
    int height = 0;
    SDL_GL_GetDrawableSize(window.window, &width, &height);
    if (width > 0 && height > 0) {
        window.width = width;
        window.height = height;
    }
    SDL_ShowCursor(SDL_DISABLE);
    return true;
}

bool createWindow(GLWindow& window) {
    if (window.fullscreen && windowOpening().kind == WindowKind::Fill) return openFilling(window);
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN;
    if (window.fullscreen) {
        if (switchDisplayMode(window.width, window.height, window.bitsPerPixel)) {
            flags |= SDL_WINDOW_FULLSCREEN;
        } else {
            fallBackToWindowed(window);
        }
    }

    flags |= openingFlags(window.fullscreen);
    window.window = SDL_CreateWindow(window.title, 0, 0, window.width, window.height, flags);
    if (window.window == nullptr) return false;
    window.deviceContext = window.window;

    if (window.fullscreen) {
        if (drawableIs(window.window, window.width, window.height)) {
            SDL_ShowCursor(SDL_DISABLE);
        } else {
            SDL_SetWindowFullscreen(window.window, 0);
            SDL_SetWindowSize(window.window, window.width, window.height);
            fallBackToWindowed(window);
            SDL_SetWindowResizable(window.window, SDL_TRUE);
        }
    }
    return true;
}

}  // namespace

bool openGLWindow(GLWindow& window) {
    requestPixelFormat(window);
    if (!createWindow(window)) return false;

    window.glContext = SDL_GL_CreateContext(window.window);
    if (window.glContext == nullptr || SDL_GL_MakeCurrent(window.window, window.glContext) != 0) {
        if (window.glContext != nullptr) SDL_GL_DeleteContext(window.glContext);
        window.glContext = nullptr;
        window.deviceContext = nullptr;
        SDL_DestroyWindow(window.window);
        window.window = nullptr;
        return false;
    }
    SDL_GL_SetSwapInterval(0);  // no frame cap; a refusal is fine

    window.active = true;
    resizeViewport(window.width, window.height);
    dispatchOpeningEvents(window);
    *window.keys = KeyState{};
    window.lastTick = SDL_GetTicks();
    return true;
}

void closeGLWindow(GLWindow& window) {
    if (window.window != nullptr) {
        if (window.deviceContext != nullptr) {
            SDL_GL_MakeCurrent(window.window, nullptr);
            if (window.glContext != nullptr) SDL_GL_DeleteContext(window.glContext);
            window.glContext = nullptr;
            window.deviceContext = nullptr;
        }
        SDL_DestroyWindow(window.window);  // also gives the display its own mode back
        window.window = nullptr;
    }
    if (window.fullscreen) SDL_ShowCursor(SDL_ENABLE);
}
