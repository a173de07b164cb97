// Filter, wrap and format choices by flags and depth. TEX_NEAREST outranks
// TEX_NO_TRILINEAR and TEX_CLAMP outranks TEX_CLAMP_TO_EDGE. No GL calls.
#include "gfx/TextureParams.h"

#include "gfx/Texture.h"

GLint magFilterFor(uint32_t flags) {
    return (flags & TEX_NEAREST) != 0 ? GL_NEAREST : GL_LINEAR;
}

GLint emptyMinFilterFor(uint32_t flags) {
    if ((flags & TEX_NEAREST) != 0) return GL_NEAREST;
    if ((flags & TEX_NO_TRILINEAR) != 0) return GL_LINEAR;
    return GL_LINEAR_MIPMAP_LINEAR;
}

GLint pictureMinFilterFor(uint32_t flags) {
    if ((flags & TEX_NEAREST) != 0) return GL_NEAREST_MIPMAP_NEAREST;
    if ((flags & TEX_NO_TRILINEAR) != 0) return GL_LINEAR_MIPMAP_NEAREST;
    return GL_LINEAR_MIPMAP_LINEAR;
}

GLint wrapFor(uint32_t flags) {
    if ((flags & TEX_CLAMP) != 0) return GL_CLAMP;
    if ((flags & TEX_CLAMP_TO_EDGE) != 0) return GL_CLAMP_TO_EDGE;
    return GL_REPEAT;
}

GLenum pixelFormatFor(int32_t bytesPerPixel) {
    switch (bytesPerPixel) {
        case 1:
            return GL_ALPHA;
        case 3:
            return GL_RGB;
        case 4:
            return GL_RGBA;
        default:
            return 0;
    }
}

bool targetTakesImages(GLenum target) {
    return target == GL_TEXTURE_1D || target == GL_TEXTURE_2D || target == TEXTURE_RECTANGLE_NV;
}
