// A real GL context for tests: an SDL offscreen window on Mesa's llvmpipe, 640 x 480
// unless asked otherwise, with the attributes the player asks for. Single-buffered there, so
// read pixels before any swap.
#pragma once

#include <GL/gl.h>

#include <array>
#include <cstdint>

struct SDL_Window;

class GlContext {
public:
    explicit GlContext(int width = 640, int height = 480);
    ~GlContext();
    GlContext(const GlContext&) = delete;
    GlContext& operator=(const GlContext&) = delete;

    bool ok() const { return context_ != nullptr; }

    // RGBA of the pixel at (x, y) with y counted from the top of the window.
    std::array<uint8_t, 4> pixelAt(int x, int y) const;

private:
    SDL_Window* window_ = nullptr;
    int height_ = 480;
    void* context_ = nullptr;
};

// Resets the matrices and state a test may have left: identity matrices,
// 640 x 480 viewport, no blending, depth test, textures or generation.
void resetGlState();
