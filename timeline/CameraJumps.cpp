// A small replay of the driver's update for the two things that decide jumps: the
// sync switch and the sync pattern, taken from the queue frame by frame (an unknown
// keyword ends a frame's pass there too), then at most one step of the clock a frame.
#include "timeline/CameraJumps.h"

#include <cmath>
#include <memory>

namespace {

// Whole milliseconds, rounded half up, so that the schedule never drifts.
int64_t frameStartMs(int64_t frame, uint32_t fps) {
    const int64_t rate = fps;
    return (frame * 2000 + rate) / (2 * rate);
}

int64_t framesToCover(double seconds, uint32_t fps) {
    const double frames = std::ceil(seconds * static_cast<double>(fps) - 1e-9);
    return frames < 1.0 ? 1 : static_cast<int64_t>(frames);
}

struct StepClock {
    bool sync = false;
    float nextStepTime = 0.0f;
};

void takeDueEvents(DemoScript& script, StepClock& clock, float position) {
    for (int32_t kind = script.nextDueEvent(position); kind != EVENT_NONE;
         kind = script.nextDueEvent(position)) {
        if (kind == EVENT_SYNC) clock.sync = script.currentOn();
        if (kind == EVENT_SYNC_PATTERN) script.setSyncPattern(script.currentBits());
    }
}

// True when this frame's step makes a jump.
bool stepClock(DemoScript& script, StepClock& clock, float position) {
    if (position < clock.nextStepTime) return false;
    const bool jump = clock.sync && script.nextSyncStep();
    clock.nextStepTime += script.stepPeriod;
    return jump;
}

}  // namespace

std::vector<CameraJump> cameraJumps(const DemoScript& loaded, double untilSeconds, uint32_t fps) {
    // The queue and the pattern move as they are used: step a fresh copy.
    auto script = std::make_unique<DemoScript>(loaded);
    script->cursor = 0;
    script->syncIndex = 0;
    script->setSyncPattern(0);
    StepClock clock;
    std::vector<CameraJump> jumps;
    const int64_t frames = framesToCover(untilSeconds, fps);
    for (int64_t frame = 0; frame < frames; ++frame) {
        const int64_t startMs = frameStartMs(frame, fps);
        const float position = static_cast<float>(startMs / 1000.0);
        takeDueEvents(*script, clock, position);
        if (stepClock(*script, clock, position)) jumps.push_back({frame, startMs / 1000.0});
    }
    return jumps;
}

std::vector<SyncPatternChange> syncPatternChanges(const std::vector<TimelineEvent>& events) {
    std::vector<SyncPatternChange> changes;
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (events[i].kind == EVENT_SYNC_PATTERN)
            changes.push_back({events[i].seconds, events[i].bits, static_cast<int32_t>(i)});
    }
    return changes;
}
