// Effective event times: the queue takes events strictly in file order, so an event
// waits for every event listed before it; its time is the latest of theirs and its own.
#include "timeline/EventTimes.h"

#include <algorithm>

#include "script/EventTable.h"

std::vector<TimelineEvent> timelineEvents(const DemoScript& script, const std::vector<ScriptLine>& lines) {
    const bool linesKnown = static_cast<int32_t>(lines.size()) == script.eventCount;
    std::vector<TimelineEvent> events;
    events.reserve(static_cast<std::size_t>(script.eventCount));
    int32_t dueMs = 0;
    for (int32_t i = 0; i < script.eventCount; ++i) {
        const ScriptEvent& stored = script.events[i];
        dueMs = std::max(dueMs, stored.timeMs);
        TimelineEvent event;
        event.seconds = dueMs / 1000.0;
        event.kind = stored.kind;
        event.value = stored.value;
        event.bits = stored.bits;
        event.isOn = stored.isOn;
        if (linesKnown) {
            const ScriptLine& line = lines[static_cast<std::size_t>(i)];
            event.line = line.line;
            event.keyword = line.keyword;
            event.argument = line.argument;
            event.text = line.text;
        } else {
            event.keyword = eventKeyword(stored.kind);
        }
        events.push_back(std::move(event));
    }
    return events;
}
