// A texture's level-0 pixels kept on the side and put back, with the format the
// GL holds them in (a capture changes it), so that a texture can be returned to
// an earlier moment exactly.
#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <vector>

class Texture;

struct TexturePixels {
    GLint internalFormat = GL_RGBA;
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> rgba;
};

TexturePixels readTexturePixels(const Texture& texture);
void writeTexturePixels(const Texture& texture, const TexturePixels& pixels);
