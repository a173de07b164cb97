// The attribute stacks do the saving: GL_ALL_ATTRIB_BITS holds the current colour
// (which a drawing with colour arrays leaves undefined), enables, blending, texture
// bindings and environment, viewport and scissor, polygon mode and shading; the
// client stack holds the array pointers and pixel store.
#include "editor/GlStateGuard.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <initializer_list>

namespace {

constexpr GLenum MATRIX_MODES[] = {GL_PROJECTION, GL_TEXTURE, GL_MODELVIEW};

}  // namespace

GlStateGuard::GlStateGuard() {
    glGetIntegerv(GL_MATRIX_MODE, &matrixMode_);
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
    for (GLenum mode : MATRIX_MODES) {
        glMatrixMode(mode);
        glPushMatrix();
    }
}

GlStateGuard::~GlStateGuard() {
    for (GLenum mode : MATRIX_MODES) {
        glMatrixMode(mode);
        glPopMatrix();
    }
    glMatrixMode(static_cast<GLenum>(matrixMode_));
    glPopClientAttrib();
    glPopAttrib();
}

void useFlatState() {
    for (GLenum capability :
         {GL_LIGHTING, GL_FOG, GL_DEPTH_TEST, GL_ALPHA_TEST, GL_CULL_FACE, GL_STENCIL_TEST, GL_TEXTURE_GEN_S,
          GL_TEXTURE_GEN_T, GL_TEXTURE_GEN_R, GL_TEXTURE_GEN_Q, GL_TEXTURE_1D, GL_TEXTURE_RECTANGLE,
          GL_COLOR_LOGIC_OP, GL_SCISSOR_TEST}) {
        glDisable(capability);
    }
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    for (GLenum mode : MATRIX_MODES) {
        glMatrixMode(mode);
        glLoadIdentity();
    }
}
