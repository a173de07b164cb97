// The driver's update for the two things that decide jumps, and nothing else: the
// frame schedule and song clock of a run on a virtual clock, the queue taken frame
// by frame (an unknown keyword ends a frame's pass there too) with the step clock's
// own events, and the step clock turned once a frame.
#include "timeline/CameraJumps.h"

#include <memory>

#include "clock/FrameSchedule.h"
#include "clock/StepClock.h"
#include "clock/VirtualClock.h"

namespace {

void takeDueEvents(DemoScript& script, bool& sync, float position) {
    for (int32_t kind = script.nextDueEvent(position); kind != EVENT_NONE;
         kind = script.nextDueEvent(position))
        applyStepClockEvent(kind, sync, script);
}

}  // namespace

std::vector<CameraJump> cameraJumps(const DemoScript& loaded, double untilSeconds, uint32_t fps) {
    // The queue and the pattern move as they are used: step a fresh copy.
    auto script = std::make_unique<DemoScript>(loaded);
    script->place() = QueuePlace{};
    FrameSchedule schedule;
    schedule.fixedRate = true;
    schedule.fps = fps;
    VirtualClock song;
    float nextStepTime = 0.0f;
    bool sync = false;
    std::vector<CameraJump> jumps;
    const int64_t frames = framesToCover(untilSeconds, fps);
    for (int64_t frame = 0; frame < frames; ++frame) {
        song.advance(schedule.next());
        const float position = static_cast<float>(song.seconds());
        takeDueEvents(*script, sync, position);
        if (turnStepClock(position, nextStepTime, sync, *script)) jumps.push_back({frame, song.seconds()});
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
