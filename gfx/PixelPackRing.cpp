// Pixel buffer objects (GL 1.5, in Mesa's compatibility context) in a ring. The
// read into a buffer is queued with the frame's own drawing; mapping it later waits
// only for that frame, which has long been rendered by then.
#define GL_GLEXT_PROTOTYPES 1
#include "gfx/PixelPackRing.h"

#include <GL/glext.h>

#include <cstring>

namespace {

bool contextCurrent() {
    return glGetString(GL_VERSION) != nullptr;
}

}  // namespace

PixelPackRing::PixelPackRing(int32_t width, int32_t height, size_t depth)
    : width_(width),
      height_(height),
      frameBytes_(static_cast<size_t>(width) * static_cast<size_t>(height) * 4),
      buffers_(depth, 0) {
    glGenBuffers(static_cast<GLsizei>(buffers_.size()), buffers_.data());
    for (const GLuint buffer : buffers_) {
        glBindBuffer(GL_PIXEL_PACK_BUFFER, buffer);
        glBufferData(GL_PIXEL_PACK_BUFFER, static_cast<GLsizeiptr>(frameBytes_), nullptr, GL_STREAM_READ);
    }
    glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
}

PixelPackRing::~PixelPackRing() {
    if (!buffers_.empty() && contextCurrent()) release();
}

void PixelPackRing::request() {
    glBindBuffer(GL_PIXEL_PACK_BUFFER, buffers_[next_]);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width_, height_, GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
    glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
    next_ = (next_ + 1) % buffers_.size();
    ++pending_;
}

bool PixelPackRing::take(std::vector<uint8_t>& pixels) {
    if (pending_ == 0) return false;
    const size_t oldest = (next_ + buffers_.size() - pending_) % buffers_.size();
    --pending_;
    glBindBuffer(GL_PIXEL_PACK_BUFFER, buffers_[oldest]);
    const void* mapped = glMapBuffer(GL_PIXEL_PACK_BUFFER, GL_READ_ONLY);
    if (mapped != nullptr) {
        pixels.resize(frameBytes_);
        std::memcpy(pixels.data(), mapped, frameBytes_);
        glUnmapBuffer(GL_PIXEL_PACK_BUFFER);
    }
    glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
    return mapped != nullptr;
}

void PixelPackRing::release() {
    glDeleteBuffers(static_cast<GLsizei>(buffers_.size()), buffers_.data());
    buffers_.clear();
    pending_ = 0;
}
