// Luminance out of an RGBA read-back (red is the luminance) and back again.
#include "player/KeptGlow.h"

#include <cstddef>

std::optional<KeptGlow> KeptGlow::of(const TexturePixels& pixels) {
    if (pixels.internalFormat != GL_LUMINANCE && pixels.internalFormat != GL_LUMINANCE8) return std::nullopt;
    KeptGlow kept{pixels.internalFormat, pixels.width, pixels.height, {}};
    kept.luminance.resize(pixels.rgba.size() / 4);
    for (std::size_t i = 0; i < kept.luminance.size(); ++i) kept.luminance[i] = pixels.rgba[4 * i];
    return kept;
}

TexturePixels KeptGlow::pixels() const {
    TexturePixels pixels{internalFormat, width, height, std::vector<uint8_t>(luminance.size() * 4, 255)};
    for (std::size_t i = 0; i < luminance.size(); ++i) {
        pixels.rgba[4 * i] = pixels.rgba[4 * i + 1] = pixels.rgba[4 * i + 2] = luminance[i];
    }
    return pixels;
}
