// Making textures: empty render targets and pictures from JPEG files (with an
// optional alpha mask), plus the blend-mode setters. Drawing lives in TextureDraw.cpp.
#include "gfx/Texture.h"

#include <GL/glu.h>

#include "gfx/AlphaMask.h"
#include "gfx/Diagnostics.h"
#include "gfx/Image.h"
#include "gfx/ImagePrefetch.h"
#include "gfx/TextureParams.h"

namespace {

void setFiltersAndWrap(GLenum target, GLint magFilter, GLint minFilter, uint32_t flags) {
    glTexParameteri(target, GL_TEXTURE_MAG_FILTER, magFilter);
    glTexParameteri(target, GL_TEXTURE_MIN_FILTER, minFilter);
    const GLint wrap = wrapFor(flags);
    glTexParameteri(target, GL_TEXTURE_WRAP_S, wrap);
    glTexParameteri(target, GL_TEXTURE_WRAP_T, wrap);
}

void allocateStorage(GLenum target, GLenum format, int32_t width, int32_t height) {
    if (target == GL_TEXTURE_1D) {
        glTexImage1D(target, 0, format, width, 0, format, GL_UNSIGNED_BYTE, nullptr);
    } else if (target == GL_TEXTURE_2D || target == TEXTURE_RECTANGLE_NV) {
        glTexImage2D(target, 0, format, width, height, 0, format, GL_UNSIGNED_BYTE, nullptr);
    }
}

// GLU uploads every level itself. The GL's own generation, set on the texture,
// would rebuild all levels on GLU's upload of level 0 only to have GLU overwrite
// them; it is held off meanwhile, which leaves the same levels and the same state.
void buildMipmapsWithGlu(GLenum target, GLenum format, int32_t width, int32_t height, const uint8_t* pixels) {
    glTexParameteri(target, GL_GENERATE_MIPMAP, 0);
    if (target == GL_TEXTURE_1D) {
        gluBuild1DMipmaps(target, format, width, format, GL_UNSIGNED_BYTE, pixels);
    } else {
        gluBuild2DMipmaps(target, format, width, height, format, GL_UNSIGNED_BYTE, pixels);
    }
    glTexParameteri(target, GL_GENERATE_MIPMAP, 1);
}

// With TEX_AUTO_MIPMAP level 0 goes up at its own size and the GL makes the rest;
// otherwise GLU scales to powers of two and builds every level.
void uploadPicture(GLenum target, GLenum format, int32_t width, int32_t height, uint32_t flags,
                   const uint8_t* pixels) {
    if ((flags & TEX_AUTO_MIPMAP) == 0) {
        buildMipmapsWithGlu(target, format, width, height, pixels);
    } else if (target == GL_TEXTURE_1D) {
        glTexImage1D(target, 0, format, width, 0, format, GL_UNSIGNED_BYTE, pixels);
    } else {
        glTexImage2D(target, 0, format, width, height, 0, format, GL_UNSIGNED_BYTE, pixels);
    }
}

}  // namespace

Texture* Texture::createEmpty(int32_t width, int32_t height, int32_t bytesPerPixel, GLenum target,
                              uint32_t flags) {
    this->width = width;
    this->height = height;
    this->bytesPerPixel = bytesPerPixel;
    this->target = target;
    sphereMap = false;
    copyFormat = GL_RGB;
    angle = 0.0f;
    const GLenum format = pixelFormatFor(bytesPerPixel);
    if (format == 0) {
        reportDepthNotSupported(bytesPerPixel);
        return this;
    }
    glGenTextures(1, &textureId);
    glBindTexture(target, textureId);
    setFiltersAndWrap(target, magFilterFor(flags), emptyMinFilterFor(flags), flags);
    if ((flags & TEX_AUTO_MIPMAP) != 0) glTexParameteri(target, GL_GENERATE_MIPMAP, 1);
    allocateStorage(target, format, width, height);
    return this;
}

Texture* Texture::loadFromFile(const char* fileName, const char* maskFileName, GLenum target, uint32_t flags,
                               ImagePrefetch* decodedAhead) {
    this->target = target;
    sphereMap = false;
    copyFormat = GL_RGB;
    angle = 0.0f;
    // The GL object exists before anything is read, so a missing file still leaves
    // a texture that binds (and draws untextured, being incomplete).
    glGenTextures(1, &textureId);
    glBindTexture(target, textureId);
    setFiltersAndWrap(target, magFilterFor(flags), pictureMinFilterFor(flags), flags);
    glTexParameteri(target, GL_GENERATE_MIPMAP, 1);
    if (!targetTakesImages(target)) return this;

    const PixelBlock pixels = loadPicture(fileName, width, height, bytesPerPixel, decodedAhead);
    if (pixels == nullptr) return this;
    ownTransparency = hasTranslucentPixel(pixels.get(), width, height);
    if (maskFileName != nullptr && maskFileName[0] != '\0')
        applyAlphaMask(pixels.get(), maskFileName, decodedAhead);
    const GLenum format = pixelFormatFor(bytesPerPixel);
    if (format == 0) {
        reportPictureDepthNotSupported(bytesPerPixel);
        return this;
    }
    uploadPicture(target, format, width, height, flags, pixels.get());
    return this;
}

bool Texture::replacePicture(const char* fileName, const char* maskFileName, uint32_t flags) {
    if (textureId == 0 || !targetTakesImages(target)) return false;
    int32_t newWidth = 0;
    int32_t newHeight = 0;
    int32_t newBytesPerPixel = 0;
    const PixelBlock pixels = loadPicture(fileName, newWidth, newHeight, newBytesPerPixel, nullptr);
    const GLenum format = pixelFormatFor(newBytesPerPixel);
    if (pixels == nullptr || format == 0) return false;
    width = newWidth;
    height = newHeight;
    bytesPerPixel = newBytesPerPixel;
    ownTransparency = hasTranslucentPixel(pixels.get(), width, height);
    if (maskFileName != nullptr && maskFileName[0] != '\0') applyAlphaMask(pixels.get(), maskFileName);
    glBindTexture(target, textureId);
    uploadPicture(target, format, width, height, flags, pixels.get());
    return true;
}

void Texture::applyAlphaMask(uint8_t* pixels, const char* maskFileName, ImagePrefetch* decodedAhead) {
    int32_t maskWidth = 0;
    int32_t maskHeight = 0;
    int32_t maskDepth = 0;
    const PixelBlock mask = loadPicture(maskFileName, maskWidth, maskHeight, maskDepth, decodedAhead);
    if (mask == nullptr) return;
    mergeAlphaMask(pixels, width, height, mask.get(), maskWidth, maskHeight);
}

Texture* Texture::useAlphaBlend() {
    blendMode = BLEND_ALPHA;
    return this;
}

Texture* Texture::useAdditiveBlend() {
    blendMode = BLEND_ADD_ALPHA;
    return this;
}
