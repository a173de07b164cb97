// Effective event times: each event at the time the queue takes it (TakenTimes),
// with its line, keyword and argument as written where those are known.
#include "timeline/EventTimes.h"

#include <utility>

#include "script/EventTable.h"
#include "script/TakenTimes.h"

std::vector<TimelineEvent> timelineEvents(const DemoScript& script, const std::vector<ScriptLine>& lines) {
    const bool linesKnown = static_cast<int32_t>(lines.size()) == script.eventCount;
    std::vector<TimelineEvent> events;
    events.reserve(static_cast<std::size_t>(script.eventCount));
    TakenTimes taken;
    for (int32_t i = 0; i < script.eventCount; ++i) {
        const ScriptEvent& stored = script.events[i];
        TimelineEvent event;
        event.seconds = taken.take(stored.timeMs) / 1000.0;
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
