// glGetTexImage and glTexImage2D around one 2D texture; the binding is left on it.
#include "gfx/TexturePixels.h"

#include <cstddef>

#include "gfx/Texture.h"

TexturePixels readTexturePixels(const Texture& texture) {
    TexturePixels pixels;
    if (texture.textureId == 0 || texture.target != GL_TEXTURE_2D) return pixels;
    glBindTexture(GL_TEXTURE_2D, texture.textureId);
    GLint width = 0;
    GLint height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &pixels.internalFormat);
    pixels.width = width;
    pixels.height = height;
    pixels.rgba.resize(static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.rgba.data());
    return pixels;
}

void writeTexturePixels(const Texture& texture, const TexturePixels& pixels) {
    if (texture.textureId == 0 || pixels.rgba.empty()) return;
    glBindTexture(GL_TEXTURE_2D, texture.textureId);
    // Rows of RGBA bytes are always 4-aligned: the picture uploads' alignment can stay as it is.
    glTexImage2D(GL_TEXTURE_2D, 0, pixels.internalFormat, pixels.width, pixels.height, 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, pixels.rgba.data());
}
