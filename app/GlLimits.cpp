// A 16 x 16 hidden window with a GL context on SDL's offscreen driver: the
// viewport's and the textures' limits bound the frame (an offscreen surface is
// a texture-like buffer of its own).
#include "app/GlLimits.h"

#include <GL/gl.h>
#include <SDL.h>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int PROBE_SIZE = 16;

void readLimits(GlLimits& limits) {
    GLint viewport[2] = {0, 0};
    GLint texture = 0;
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, viewport);
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &texture);
    limits.maxWidth = std::min(viewport[0], texture);
    limits.maxHeight = std::min(viewport[1], texture);
}

}  // namespace

bool queryGlLimits(GlLimits& limits) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);  // as the offscreen run itself will
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return false;
    bool known = false;
    SDL_Window* window =
        SDL_CreateWindow("flashstep", 0, 0, PROBE_SIZE, PROBE_SIZE, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (window != nullptr) {
        SDL_GLContext context = SDL_GL_CreateContext(window);
        if (context != nullptr) {
            readLimits(limits);
            known = limits.maxWidth > 0 && limits.maxHeight > 0;
            SDL_GL_DeleteContext(context);
        }
        SDL_DestroyWindow(window);
    }
    SDL_Quit();
    return known;
}
