// The copy is read back into memory as capture reads frames: the cheap half, and
// the only one a running show pays for. Putting it back (only while paused) goes
// through a texture the size of the window, sampled at each pixel's centre, which
// gives every pixel exactly.
#include "editor/FrozenFrame.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include "editor/GlStateGuard.h"
#include "gfx/FrameReadback.h"

namespace {

void unpackTight() {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
}

void quadOverViewport() {
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(-1.0f, -1.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(1.0f, -1.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(1.0f, 1.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(-1.0f, 1.0f);
    glEnd();
}

}  // namespace

FrozenFrame::~FrozenFrame() {
    if (texture_ != 0) glDeleteTextures(1, &texture_);
}

void FrozenFrame::copy(const PixelBox& box) {
    if (box.width <= 0 || box.height <= 0) return;
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    readPicturePixels(box.x, box.y, box.width, box.height, pixels_);
    glPopClientAttrib();
    if (box.width != box_.width || box.height != box_.height) {
        // A texture of the old size cannot take the new copy in place.
        if (texture_ != 0) glDeleteTextures(1, &texture_);
        texture_ = 0;
    }
    box_ = box;
    uploaded_ = false;
}

bool FrozenFrame::draw() {
    if (pixels_.empty()) return false;
    const GlStateGuard guard;
    useFlatState();
    unpackTight();
    if (texture_ == 0) glGenTextures(1, &texture_);
    glBindTexture(GL_TEXTURE_2D, texture_);
    if (!uploaded_) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, box_.width, box_.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     pixels_.data());
        uploaded_ = true;
    }
    glViewport(box_.x, box_.y, box_.width, box_.height);
    glDisable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    quadOverViewport();
    return true;
}
