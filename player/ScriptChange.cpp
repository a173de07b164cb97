// Comparing two scripts event by event, in the queue's order.
#include "player/ScriptChange.h"

#include <algorithm>
#include <cstring>

#include "script/DemoScript.h"
#include "script/TakenTimes.h"

namespace {

bool sameEvent(const ScriptEvent& a, const ScriptEvent& b) {
    return a.timeMs == b.timeMs && a.kind == b.kind && std::memcmp(&a.value, &b.value, sizeof a.value) == 0 &&
           a.bits == b.bits && a.isOn == b.isOn;
}

// When the queue takes event i.
double takenMs(const DemoScript& script, int32_t i) {
    TakenTimes taken;
    for (int32_t k = 0; k < i && k < script.eventCount; ++k) taken.take(script.events[k].timeMs);
    return taken.take(script.events[i].timeMs);
}

}  // namespace

double firstDifferenceMs(const DemoScript& before, const DemoScript& after) {
    if (before.bpm != after.bpm || before.patternLength != after.patternLength ||
        before.patternSpeed != after.patternSpeed || !sameEvent(before.initialEvent, after.initialEvent)) {
        return 0.0;
    }
    const int32_t shared = std::min(before.eventCount, after.eventCount);
    int32_t i = 0;
    while (i < shared && sameEvent(before.events[i], after.events[i])) ++i;
    if (i == before.eventCount && i == after.eventCount) return NO_DIFFERENCE;
    const double beforeDue = i < before.eventCount ? takenMs(before, i) : NO_DIFFERENCE;
    const double afterDue = i < after.eventCount ? takenMs(after, i) : NO_DIFFERENCE;
    return std::min(beforeDue, afterDue);
}
