// The frame times of the last few seconds, each with the scene's layers that were
// on in that frame, for the overlay's graph. Wall-clock times are handed in, so
// the record itself reads no clock.
#pragma once

#include <cstdint>
#include <deque>

struct FrameTime {
    double at = 0.0;      // wall-clock seconds when the frame was drawn
    float ms = 0.0f;      // since the frame before it
    uint32_t layers = 0;  // bit i: layer i of the scene's layer table on
};

class FrameTimes {
public:
    static constexpr double KEPT_SECONDS = 5.0;

    // A frame drawn at `at` with those layers on; the first one only starts the count.
    void frameDrawn(double at, uint32_t layers);
    // A pause or a seek: the next frame's time would be the wait, not the frame.
    void gap() { hasLast_ = false; }

    const std::deque<FrameTime>& frames() const { return frames_; }
    // The longest frame kept; 0 when none.
    float longestMs() const;

private:
    std::deque<FrameTime> frames_;
    double last_ = 0.0;
    bool hasLast_ = false;
};
