// The original's sampling parameters copied onto a new GL object; the binding is put back.
#include "gfx/TextureTwin.h"

#include <iterator>

namespace {

constexpr GLenum COPIED_PARAMETERS[] = {GL_TEXTURE_MAG_FILTER, GL_TEXTURE_MIN_FILTER, GL_TEXTURE_WRAP_S,
                                        GL_TEXTURE_WRAP_T, GL_GENERATE_MIPMAP};

GLenum bindingOf(GLenum target) {
    return target == GL_TEXTURE_1D ? GL_TEXTURE_BINDING_1D : GL_TEXTURE_BINDING_2D;
}

}  // namespace

TextureTwin::TextureTwin(const Texture& original) : texture_(original) {
    texture_.textureId = 0;
    if (original.textureId == 0) return;
    const GLenum target = original.target;
    GLint bound = 0;
    glGetIntegerv(bindingOf(target), &bound);
    GLint values[std::size(COPIED_PARAMETERS)] = {};
    glBindTexture(target, original.textureId);
    for (size_t i = 0; i < std::size(COPIED_PARAMETERS); ++i)
        glGetTexParameteriv(target, COPIED_PARAMETERS[i], &values[i]);
    glGenTextures(1, &texture_.textureId);
    glBindTexture(target, texture_.textureId);
    for (size_t i = 0; i < std::size(COPIED_PARAMETERS); ++i)
        glTexParameteri(target, COPIED_PARAMETERS[i], values[i]);
    glBindTexture(target, static_cast<GLuint>(bound));
}

TextureTwin::~TextureTwin() {
    if (texture_.textureId != 0) glDeleteTextures(1, &texture_.textureId);
}
