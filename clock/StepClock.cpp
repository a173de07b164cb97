// The step clock and its two events.
#include "clock/StepClock.h"

#include "script/DemoScript.h"

bool turnStepClock(float position, float& nextStepTime, bool sync, DemoScript& script) {
    // Steps count from pattern 0 beat 0; without an offset this is the song position itself.
    const float fromBeatZero = position - static_cast<float>(script.offsetMs) / 1000.0f;
    if (fromBeatZero < nextStepTime) return false;
    const bool jump = sync && script.nextSyncStep();
    nextStepTime += script.stepPeriod;
    return jump;
}

bool applyStepClockEvent(int32_t kind, bool& sync, DemoScript& script) {
    switch (kind) {
        case EVENT_SYNC:
            sync = script.currentOn();
            return true;
        case EVENT_SYNC_PATTERN:
            script.setSyncPattern(script.currentBits());
            return true;
        default:
            return false;
    }
}
