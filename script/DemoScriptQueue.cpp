// The loaded script as a timeline: due events taken one at a time in file order, the current
// event's arguments, and the repeating sync pattern. Loading is in DemoScript.cpp.
#include "script/DemoScript.h"

namespace {

// The record just before the cursor; initialEvent stands before the first event.
const ScriptEvent& currentEvent(const DemoScript& script) {
    return script.cursor > 0 ? script.events[script.cursor - 1] : script.initialEvent;
}

}  // namespace

int32_t DemoScript::nextDueEvent(float seconds) {
    const float nowMs = seconds * 1000.0f;
    if (cursor >= eventCount) return EVENT_NONE;
    const ScriptEvent& next = events[cursor];
    // Compared in double so that every int32 time is taken exactly.
    if (static_cast<double>(next.timeMs) > static_cast<double>(nowMs)) return EVENT_NONE;
    ++cursor;
    return next.kind;
}

float DemoScript::currentValue() const {
    return currentEvent(*this).value;
}

bool DemoScript::currentOn() const {
    return currentEvent(*this).isOn;
}

int32_t DemoScript::currentBits() const {
    return currentEvent(*this).bits;
}

void DemoScript::setSyncPattern(int32_t bits) {
    for (bool& step : syncPattern) step = false;
    // Remainders keep the dividend's sign, so a negative value switches nothing on.
    for (int32_t i = 0; bits != 0 && i < SYNC_STEPS; ++i) {
        syncPattern[i] = bits % 2 == 1;
        bits /= 2;
    }
}

bool DemoScript::nextSyncStep() {
    // Fields are public: an index or cycle set from outside must still stay inside the 32 steps.
    const int32_t step = syncIndex >= 0 && syncIndex < SYNC_STEPS ? syncIndex : 0;
    syncIndex = step + 1;
    if (syncIndex >= patternLength || syncIndex >= SYNC_STEPS) syncIndex = 0;
    return syncPattern[step];
}
