// Assembles the timeline: events first (their effect times decide everything
// else), then switch spans, picture lanes, sync pattern changes and jumps, and the
// events left over, which are drawn as labelled ticks.
#include "timeline/TimelineBuild.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string>

#include "timeline/CameraJumps.h"
#include "timeline/EventTimes.h"
#include "timeline/PictureLanes.h"
#include "timeline/PictureNaming.h"
#include "timeline/SwitchSpans.h"
#include "timeline/ValidText.h"

namespace {

bool isSwitch(const Timeline& timeline, int32_t kind) {
    return std::any_of(timeline.switches.begin(), timeline.switches.end(),
                       [kind](const SwitchLane& lane) { return lane.kind == kind; });
}

std::vector<int32_t> otherEvents(const Timeline& timeline) {
    std::vector<int32_t> others;
    for (std::size_t i = 0; i < timeline.events.size(); ++i) {
        const TimelineEvent& event = timeline.events[i];
        if (isSwitch(timeline, event.kind) || isPictureEvent(event) || event.kind == EVENT_SYNC_PATTERN)
            continue;
        others.push_back(static_cast<int32_t>(i));
    }
    return others;
}

double coveredSeconds(const Timeline& timeline) {
    double end = std::max(timeline.songSeconds, 0.0);
    if (!timeline.events.empty()) end = std::max(end, timeline.events.back().seconds);
    return end > 0.0 ? end : timeline.tempo.patternSeconds();
}

}  // namespace

Timeline buildTimeline(const DemoScript& script, const std::vector<ScriptLine>& lines, double songSeconds,
                       std::vector<Finding> findings) {
    Timeline timeline;
    timeline.songFile = script.songfile;
    timeline.songSeconds = songSeconds;
    timeline.tempo = {script.bpm, script.patternLength, script.patternSpeed, script.offsetMs};
    timeline.events = timelineEvents(script, lines);
    timeline.endSeconds = coveredSeconds(timeline);
    const double closing = timeline.closingSeconds();
    timeline.switches = switchLanes(timeline.events, closing);
    timeline.pictures = pictureLanes(timeline.events, timeline.tempo, closing);
    const std::array<std::string, PICTURE_SLOTS> files = overlayPictureFiles(script);
    for (PictureLane& lane : timeline.pictures) {
        if (lane.picture >= 0 && lane.picture < PICTURE_SLOTS)
            lane.file = files[static_cast<std::size_t>(lane.picture)];
    }
    timeline.syncPatterns = syncPatternChanges(timeline.events);
    timeline.jumps = cameraJumps(script, closing);
    timeline.otherEvents = otherEvents(timeline);
    timeline.findings = std::move(findings);
    makeTextValid(timeline);
    return timeline;
}

Timeline timelineOfScriptFile(const std::string& path, double songSeconds, std::vector<Finding> findings) {
    const auto script = std::make_unique<DemoScript>(path.c_str());
    return buildTimeline(*script, locateEventLines(path), songSeconds, std::move(findings));
}
