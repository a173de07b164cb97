// Turns each switch's on and off events, in effect order, into spans. A span that
// would open and close at the same moment is never seen on screen and is left out;
// so is one opening after the song has ended, when the player takes no more events.
#include "timeline/SwitchSpans.h"

#include <algorithm>

#include "script/EventTable.h"

namespace {

void closeSpan(SwitchLane& lane, double on, double off) {
    if (off > on) lane.spans.push_back({on, off});
}

SwitchLane laneOf(const EventEntry& word, const std::vector<TimelineEvent>& events, double closingSeconds) {
    SwitchLane lane;
    lane.keyword = word.keyword;
    lane.kind = word.kind;
    bool on = false;
    double since = 0.0;
    for (std::size_t i = 0; i < events.size(); ++i) {
        const TimelineEvent& event = events[i];
        if (event.kind != word.kind) continue;
        lane.events.push_back(static_cast<int32_t>(i));
        const double at = std::min(event.seconds, closingSeconds);
        if (event.isOn && !on) since = at;
        if (!event.isOn && on) closeSpan(lane, since, at);
        on = event.isOn;
    }
    if (on) closeSpan(lane, since, closingSeconds);
    return lane;
}

}  // namespace

std::vector<SwitchLane> switchLanes(const std::vector<TimelineEvent>& events, double closingSeconds) {
    std::vector<SwitchLane> lanes;
    for (const EventEntry& word : EVENT_TABLE) {
        if (word.isSwitch()) lanes.push_back(laneOf(word, events, closingSeconds));
    }
    return lanes;
}
