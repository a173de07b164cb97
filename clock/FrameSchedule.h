// The frame times of a run on a virtual clock: every frame dtMs long, or frame k
// at song time round(k * 1000 / fps) ms, so whole-millisecond frame times never
// drift. Pure arithmetic; the player hands the result to the virtual music clock.
#pragma once

#include <cstdint>

// Song time of frame k in whole milliseconds at `fps` frames per second, rounded half up.
int64_t fixedRateFrameStartMs(int64_t frame, uint32_t fps);
// The time frame k advances the clock by: 0 for frame 0, then the step between starts.
uint32_t fixedRateFrameTime(int64_t frame, uint32_t fps);
// How many frames at `fps` start before `seconds` of song have passed (at least one).
int64_t framesToCover(double seconds, uint32_t fps);

// Hands out the time of each frame in turn.
struct FrameSchedule {
    bool fixedRate = false;  // frame k at round(k * 1000 / fps) ms; else every frame dtMs
    uint32_t dtMs = 16;
    uint32_t fps = 60;
    int64_t frame = 0;  // the frame the next call is for

    uint32_t next();
};
