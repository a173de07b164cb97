// Frames older than the kept stretch leave from the front as new ones come.
#include "editor/FrameTimes.h"

#include <algorithm>

void FrameTimes::frameDrawn(double at, uint32_t layers) {
    if (hasLast_) frames_.push_back(FrameTime{at, static_cast<float>((at - last_) * 1000.0), layers});
    last_ = at;
    hasLast_ = true;
    while (!frames_.empty() && frames_.front().at < at - KEPT_SECONDS) frames_.pop_front();
}

float FrameTimes::longestMs() const {
    float longest = 0.0f;
    for (const FrameTime& frame : frames_) longest = std::max(longest, frame.ms);
    return longest;
}
