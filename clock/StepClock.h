// The step clock: song time in steps of the script's stepPeriod, counted from pattern 0
// beat 0 (the script's offset; no step comes before it). On each step, while
// sync is on, the sync pattern's next step says whether the camera jumps; the pattern
// is consulted, and so advanced, only while sync is on. At most one step a frame:
// after a long frame the clock catches up step by step. The driver turns it every
// frame on its own fields; the timeline turns it alone to find where the jumps fall.
#pragma once

#include <cstdint>

class DemoScript;

// This frame's turn at song time `position`; true when its step makes a camera jump.
bool turnStepClock(float position, float& nextStepTime, bool sync, DemoScript& script);

// Applies the events that steer the clock, which the queue has just handed out:
// sync switches the jumps on and off, syncPattern sets the pattern. False for any
// other kind, which is left alone.
bool applyStepClockEvent(int32_t kind, bool& sync, DemoScript& script);
