// Frame time arithmetic of runs on a virtual clock, in integers so that no run drifts.
#include "clock/FrameSchedule.h"

#include <cmath>

int64_t fixedRateFrameStartMs(int64_t frame, uint32_t fps) {
    const int64_t rate = fps;
    return (frame * 2000 + rate) / (2 * rate);
}

uint32_t fixedRateFrameTime(int64_t frame, uint32_t fps) {
    if (frame <= 0) return 0;
    return static_cast<uint32_t>(fixedRateFrameStartMs(frame, fps) - fixedRateFrameStartMs(frame - 1, fps));
}

int64_t framesToCover(double seconds, uint32_t fps) {
    // Frame k starts at k / fps seconds; a hair of tolerance keeps an exact multiple exact.
    const double frames = std::ceil(seconds * static_cast<double>(fps) - 1e-9);
    return frames < 1.0 ? 1 : static_cast<int64_t>(frames);
}

uint32_t FrameSchedule::next() {
    const uint32_t dt = fixedRate ? fixedRateFrameTime(frame, fps) : dtMs;
    ++frame;
    return dt;
}
