// A capture texture's pixels just after one of its captures, kept so that a later
// catch-up renders only the captures since. A capture leaves luminance, so one byte
// a pixel is kept, a quarter of what the RGBA read-back holds.
#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "gfx/TexturePixels.h"

struct KeptGlow {
    GLint internalFormat = GL_LUMINANCE;
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> luminance;

    // The pixels as kept; none when the texture does not hold luminance.
    static std::optional<KeptGlow> of(const TexturePixels& pixels);
    // The pixels to write back, exactly as they were read.
    TexturePixels pixels() const;
};
