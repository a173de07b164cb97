// Keeps the show's GL state while the overlay draws: every server and client
// attribute, the three matrices and the matrix mode are saved on construction and
// put back on destruction, so the show's next frame starts from its own state.
// Also a plain 2D state for drawing over the frame, whatever the show left on.
#pragma once

class GlStateGuard {
public:
    GlStateGuard();
    ~GlStateGuard();
    GlStateGuard(const GlStateGuard&) = delete;
    GlStateGuard& operator=(const GlStateGuard&) = delete;

private:
    int matrixMode_ = 0;
};

// Switches off what the show's layers may leave on and a flat drawing does not want:
// lighting, fog, depth and alpha tests, culling, texture generation, 1D and rectangle
// textures, logic operations, line polygons, masked colours.
void useFlatState();
