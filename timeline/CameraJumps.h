// Where the camera jumps on the fixed-rate schedule of capture and benchmark runs
// (frame k at round(k * 1000 / fps) ms), found by running the driver's own frame
// schedule and step clock on the script's queue. Jumps use no random numbers.
#pragma once

#include <cstdint>
#include <vector>

#include "script/DemoScript.h"
#include "timeline/Timeline.h"

constexpr uint32_t TIMELINE_FPS = 60;

// Frames from 0 up to the last one starting before `untilSeconds`; `loaded` is not changed.
std::vector<CameraJump> cameraJumps(const DemoScript& loaded, double untilSeconds,
                                    uint32_t fps = TIMELINE_FPS);
// The syncPattern events, each with its steps.
std::vector<SyncPatternChange> syncPatternChanges(const std::vector<TimelineEvent>& events);
