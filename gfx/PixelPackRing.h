// Reading finished frames back through pixel buffer objects, a frame or more behind:
// a frame's read is asked for when it is drawn and its pixels taken once the next
// frame has been handed to the GL, so a GPU copies while it draws on. BGRA, rows
// packed, bottom row first (the order llvmpipe keeps them in).
#pragma once

#include <GL/gl.h>

#include <cstddef>
#include <cstdint>
#include <vector>

class PixelPackRing {
public:
    // Needs the GL context current; `depth` frames may be asked for before one is taken.
    PixelPackRing(int32_t width, int32_t height, size_t depth);
    // Leaves the buffers to end with the context when it is no longer current.
    ~PixelPackRing();
    PixelPackRing(const PixelPackRing&) = delete;
    PixelPackRing& operator=(const PixelPackRing&) = delete;

    size_t frameBytes() const { return frameBytes_; }
    size_t pending() const { return pending_; }
    bool full() const { return pending_ == buffers_.size(); }

    // Asks for the current read buffer's pixels; not when full().
    void request();
    // Copies the oldest asked-for frame into `pixels` (resized); false when none is pending
    // or the GL could not map it.
    bool take(std::vector<uint8_t>& pixels);
    // Deletes the buffers now, while the context is current.
    void release();

private:
    int32_t width_ = 0;
    int32_t height_ = 0;
    size_t frameBytes_ = 0;
    std::vector<GLuint> buffers_;
    size_t next_ = 0;     // the buffer the next request fills
    size_t pending_ = 0;  // asked for and not yet taken
};
