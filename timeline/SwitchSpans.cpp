// Turns each switch's on and off events, in effect order, into spans. A span that
// would open and close at the same moment is never seen on screen and is left out;
// so is one opening after the song has ended, when the player takes no more events.
#include "timeline/SwitchSpans.h"

#include <algorithm>

#include "script/DemoScript.h"

namespace {

struct SwitchKeyword {
    const char* keyword;
    int32_t kind;
};

constexpr SwitchKeyword SWITCHES[] = {
    {"palikat", EVENT_PALIKAT},          {"hohto", EVENT_HOHTO},   {"rgbhohto", EVENT_RGBHOHTO},
    {"wireframe", EVENT_WIREFRAME},      {"putki", EVENT_PUTKI},   {"kumma", EVENT_KUMMA},
    {"elektro", EVENT_ELEKTRO},          {"lorenz", EVENT_LORENZ}, {"scaled", EVENT_SCALED},
    {"titleImages", EVENT_TITLE_IMAGES}, {"sync", EVENT_SYNC},     {"randomCamera", EVENT_RANDOM_CAMERA},
};

void closeSpan(SwitchLane& lane, double on, double off) {
    if (off > on) lane.spans.push_back({on, off});
}

SwitchLane laneOf(const SwitchKeyword& word, const std::vector<TimelineEvent>& events,
                  double closingSeconds) {
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
    for (const SwitchKeyword& word : SWITCHES) lanes.push_back(laneOf(word, events, closingSeconds));
    return lanes;
}
