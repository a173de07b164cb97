// The driver's own fields, as the show changes them: the flash, the camera, the
// step clock, the two switches and the first frame's sync, and what the latest
// update did. One instance per process (demo::driver); a kept moment copies it whole.
#pragma once

#include <cstdint>

#include "script/DemoScript.h"

// What the latest update did, for the trace.
struct FrameReport {
    static constexpr int MAX_EVENTS = DemoScript::MAX_EVENTS + 1;
    float position = 0.0f;
    int32_t events[MAX_EVENTS] = {};
    int32_t eventCount = 0;
    bool jumped = false;
};

struct DriverValues {
    float flash = 0.0f;
    float cameraDirection[3] = {-1.0f, 1.0f, -1.0f};
    float cameraDistance = 2.5f;
    float nextStepTime = 0.0f;
    bool sync = false;
    bool randomCamera = false;
    bool firstFrameDone = false;
    FrameReport lastFrame;
};
