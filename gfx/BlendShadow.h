// The blending state that texture binds leave in the GL, followed without the GL.
// A replay that draws nothing keeps one, and hands it to the GL before drawing
// again, so a layer that draws with whatever blending was left finds it as it was.
#pragma once

#include <cstdint>

class Texture;

// What binding with this blend mode does to blending (and, for BLEND_ALPHA, the
// depth test): the draw-time half of Texture::bind.
void applyBlendMode(int32_t blendMode);

struct BlendShadow {
    bool enabled = false;      // the GL's start: blending off with the function (one, zero)
    int32_t functionMode = 0;  // the last mode that set a function; 0: none yet

    // As after texture->bind(); a texture without a GL object changes nothing.
    void follow(const Texture* texture);
    // Sets the GL's blending to this state.
    void apply() const;
};
