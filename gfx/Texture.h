// One OpenGL texture with what drawing it needs: size, target, blend mode,
// sphere-map switch, capture format and quad angle. Made only by the TextureStore.
#pragma once

#include <GL/gl.h>

#include <cstdint>

class ImagePrefetch;

// How bind() sets blending; every value outside 1..4 acts as BLEND_NONE.
enum BlendMode : int32_t {
    BLEND_NONE = 0,
    BLEND_ALPHA = 1,
    BLEND_COLOR = 2,
    BLEND_ADD_ALPHA = 3,
    BLEND_ADD = 4,
};

// Bits passed with every texture request.
enum TextureFlags : uint32_t {
    TEX_NEAREST = 0x02,
    TEX_NO_TRILINEAR = 0x04,
    TEX_AUTO_MIPMAP = 0x10,
    TEX_CLAMP = 0x20,
    TEX_CLAMP_TO_EDGE = 0x40,
};

constexpr GLenum TEXTURE_RECTANGLE_NV = 0x84F5;

class Texture {
public:
    int32_t width = 0;
    int32_t height = 0;
    int32_t bytesPerPixel = 0;
    GLenum target = GL_TEXTURE_2D;
    GLuint textureId = 0;  // 0: no GL object; bind() then does nothing
    int32_t blendMode = BLEND_NONE;
    bool sphereMap = false;
    GLenum copyFormat = GL_RGB;
    float angle = 0.0f;  // degrees, rotation of drawQuad
    // The picture's own alpha (a PNG's transparency) is not opaque everywhere; a mask file's is not counted.
    bool ownTransparency = false;

    // Filling a new texture (the store calls these once per texture).
    Texture* createEmpty(int32_t width, int32_t height, int32_t bytesPerPixel, GLenum target, uint32_t flags);
    // Pictures come from `decodedAhead` where it has them (null: decoded here).
    Texture* loadFromFile(const char* fileName, const char* maskFileName, GLenum target, uint32_t flags,
                          ImagePrefetch* decodedAhead = nullptr);
    // Puts a new decode of the picture into this texture's GL object, keeping its
    // parameters; false (and the old picture stays) when the file gives none.
    bool replacePicture(const char* fileName, const char* maskFileName, uint32_t flags);
    // Writes the red (gray) bytes of a mask picture into the alpha bytes of `pixels`,
    // a block of this texture's width x height.
    void applyAlphaMask(uint8_t* pixels, const char* maskFileName, ImagePrefetch* decodedAhead = nullptr);

    Texture* useAlphaBlend();
    Texture* useAdditiveBlend();

    // Draw-time operations.
    void bind();
    void beginCapture(GLenum format);
    void endCapture();
    void drawQuad(float u0, float v0, float u1, float v1, float width, float height);
};
