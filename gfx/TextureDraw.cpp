// Draw-time texture operations: binding with blend mode and sphere mapping,
// capturing the framebuffer into a texture, and the turned 2D quad.
// Keeps no state of its own; the 2D pass itself is in Draw2D.cpp.
#include "gfx/BlendShadow.h"
#include "gfx/Draw2D.h"
#include "gfx/PictureArea.h"
#include "gfx/Texture.h"

// Only BLEND_ALPHA touches the depth test, and only to switch it on; any mode
// outside 1..4 switches blending off and keeps the blend function as it was.
void applyBlendMode(int32_t blendMode) {
    switch (blendMode) {
        case BLEND_ALPHA:
            glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
            glEnable(GL_BLEND);
            glEnable(GL_DEPTH_TEST);
            break;
        case BLEND_COLOR:
            glBlendFunc(GL_SRC_COLOR, GL_ONE_MINUS_SRC_COLOR);
            glEnable(GL_BLEND);
            break;
        case BLEND_ADD_ALPHA:
            glBlendFunc(GL_SRC_ALPHA, GL_ONE);
            glEnable(GL_BLEND);
            break;
        case BLEND_ADD:
            glBlendFunc(GL_ONE, GL_ONE);
            glEnable(GL_BLEND);
            break;
        default:
            glDisable(GL_BLEND);
            break;
    }
}

namespace {

void setSphereMapping(bool on) {
    if (on) {
        glEnable(GL_TEXTURE_GEN_S);
        glEnable(GL_TEXTURE_GEN_T);
    } else {
        glDisable(GL_TEXTURE_GEN_S);
        glDisable(GL_TEXTURE_GEN_T);
    }
}

}  // namespace

void Texture::bind() {
    // A texture without a GL object leaves every state as it was.
    if (textureId == 0) return;
    applyBlendMode(blendMode);
    setSphereMapping(sphereMap);
    glBindTexture(target, textureId);
    glEnable(target);
}

void Texture::beginCapture(GLenum format) {
    copyFormat = format;
    // The projection stays: the whole view lands, smaller, in the picture's lower-left
    // corner, at the texture's own size whatever the frame's, so the glow keeps its look.
    const PictureArea& picture = pictureArea();
    glViewport(picture.x, picture.y, width, height);
}

void Texture::endCapture() {
    const PictureArea& picture = pictureArea();
    glBindTexture(target, textureId);
    glCopyTexImage2D(target, 0, copyFormat, picture.x, picture.y, width, height, 0);
    // The captured drawing must not show in the frame itself.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glViewport(picture.x, picture.y, picture.width, picture.height);
}

void Texture::drawQuad(float u0, float v0, float u1, float v1, float width, float height) {
    bind();
    glPushMatrix();
    glTranslatef(width / 2, height / 2, 0);
    glRotatef(angle, 0, 0, 1);
    // In the 2D pass y grows downward: the top edge takes v1, so pictures stand upright.
    const float halfWidth = width / 2;
    const float halfHeight = height / 2;
    glBegin(GL_QUADS);
    glTexCoord2f(u0, v1);
    glVertex2f(-halfWidth, -halfHeight);
    glTexCoord2f(u1, v1);
    glVertex2f(halfWidth, -halfHeight);
    glTexCoord2f(u1, v0);
    glVertex2f(halfWidth, halfHeight);
    glTexCoord2f(u0, v0);
    glVertex2f(-halfWidth, halfHeight);
    glEnd();
    glPopMatrix();
}
