// Reading back a frame behind: the read of frame k is queued behind its drawing and
// flushed at once, its pixels taken once frame k + 1 is drawn. (A GPU copies while
// the next frame is drawn; Mesa's llvmpipe copies on the spot, as a plain read would.)
#include "offscreen/CaptureRecorder.h"

#include <GL/gl.h>

#include <algorithm>

namespace {

// Frames asked for before the oldest is taken: one frame behind.
constexpr size_t READS_IN_FLIGHT = 2;
// Frames that may wait for the encoder before the renderer waits for it: room for
// the encoder, below the renderer's priority, to fall behind and catch up in the
// renderer's pauses; the byte cap keeps huge frames few.
constexpr size_t MOST_FRAMES_QUEUED = 16;
constexpr size_t MOST_BYTES_QUEUED = size_t{256} << 20;

size_t framesQueued(int32_t width, int32_t height) {
    const size_t frameBytes = static_cast<size_t>(width) * static_cast<size_t>(height) * 4;
    return std::clamp<size_t>(MOST_BYTES_QUEUED / frameBytes, 1, MOST_FRAMES_QUEUED);
}

}  // namespace

CaptureRecorder::CaptureRecorder(PipedProgram& encoder, const RunPlan& plan, bool quiet)
    : total_(plan.frames),
      writer_(encoder, framesQueued(plan.frameWidth, plan.frameHeight)),
      progress_(plan.frames, quiet) {}

bool CaptureRecorder::frameDrawn(const PlayerFrame& frame) {
    if (!reads_)
        reads_ = std::make_unique<PixelPackRing>(frame.window.width, frame.window.height, READS_IN_FLIGHT);
    if (reads_->full() && !passOldest()) return false;
    reads_->request();
    glFlush();  // the read goes to the renderer now, not with the next frame's drawing
    ++asked_;
    return asked_ < total_ || passAll();
}

bool CaptureRecorder::passOldest() {
    std::vector<uint8_t>& pixels = writer_.nextBuffer();
    const bool read = reads_->take(pixels);
    if (!writer_.submit() || !read) {
        failed = true;
        return false;
    }
    progress_.update(++passed_);
    return true;
}

bool CaptureRecorder::passAll() {
    while (reads_->pending() > 0) {
        if (!passOldest()) return false;
    }
    reads_->release();
    return true;
}

int64_t CaptureRecorder::finish() {
    if (!writer_.finish()) failed = true;
    progress_.finish(passed_);
    return writer_.written();
}
