// Tooltips name the pattern and beat as the script would write them, and the
// seconds beside them; an event's tooltip is its line of the script.
#include "editor/TimelineLanes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "timeline/PictureNaming.h"

namespace {

constexpr float NEAR_PIXELS = 4.0f;
constexpr std::size_t FULL_NAME = 120;  // a tooltip names the file whole

std::string timeText(const Timeline& timeline, double seconds) {
    return beatGridOf(timeline.tempo).label(seconds * 1000.0);
}

std::string pictureTip(const Timeline& timeline, int32_t row, double seconds) {
    if (row < 0 || row >= static_cast<int32_t>(timeline.pictures.size())) return "";
    const PictureLane& lane = timeline.pictures[static_cast<std::size_t>(row)];
    const bool shown = std::any_of(lane.shown.begin(), lane.shown.end(), [seconds](const Span& span) {
        return seconds >= span.on && seconds < span.off;
    });
    return pictureLabel(lane.picture, lane.file, FULL_NAME) + (shown ? " shown" : " hidden");
}

std::string switchTip(const SwitchLane& lane, double seconds) {
    const bool on = std::any_of(lane.spans.begin(), lane.spans.end(), [seconds](const Span& span) {
        return seconds >= span.on && seconds < span.off;
    });
    return lane.keyword + (on ? " on" : " off");
}

std::string jumpTip(const StripPlot& plot, const Timeline& timeline, float x) {
    for (const CameraJump& jump : timeline.jumps) {
        if (std::abs(plot.xOf(jump.seconds) - x) < NEAR_PIXELS)
            return "camera jump, frame " + std::to_string(jump.frame) + " at 60 fps";
    }
    return "sync pattern changes and camera jumps";
}

std::string findingTip(const StripPlot& plot, const Timeline& timeline, float x) {
    const int32_t near = findingNear(plot, timeline, x);
    if (near < 0) return "findings of the show check";
    const Finding& finding = timeline.findings[static_cast<std::size_t>(near)];
    return finding.file + ":" + std::to_string(finding.line) + ": " + finding.message;
}

bool isSwitchEvent(const Timeline& timeline, const TimelineEvent& event, int32_t& row) {
    for (std::size_t i = 0; i < timeline.switches.size(); ++i) {
        if (timeline.switches[i].kind == event.kind && event.kind != 0) {
            row = static_cast<int32_t>(i);
            return true;
        }
    }
    return false;
}

}  // namespace

StripLane StripRows::laneAt(float y, int32_t& index) const {
    index = 0;
    if (y < top || y >= bottom()) return StripLane::None;
    if (y < waveformTop()) return StripLane::Ruler;
    if (y < switchesTop()) return StripLane::Waveform;
    if (y < picturesTop()) {
        index =
            std::clamp(static_cast<int32_t>((y - switchesTop()) / lane()), 0, std::max(0, switchCount - 1));
        return switchCount > 0 ? StripLane::Switch : StripLane::None;
    }
    if (y < syncTop()) {
        index =
            std::clamp(static_cast<int32_t>((y - picturesTop()) / lane()), 0, std::max(0, pictureCount - 1));
        return pictureCount > 0 ? StripLane::Picture : StripLane::None;
    }
    if (y < othersTop()) return StripLane::Sync;
    if (y < findingsTop()) return StripLane::Others;
    return StripLane::Findings;
}

float StripRows::rowTop(StripLane laneOf, int32_t index) const {
    switch (laneOf) {
        case StripLane::Ruler:
            return top;
        case StripLane::Waveform:
            return waveformTop();
        case StripLane::Switch:
            return switchesTop() + index * lane();
        case StripLane::Picture:
            return picturesTop() + index * lane();
        case StripLane::Sync:
            return syncTop();
        case StripLane::Others:
            return othersTop();
        case StripLane::Findings:
        case StripLane::None:
            break;
    }
    return findingsTop();
}

BeatGrid beatGridOf(const Tempo& tempo) {
    return BeatGrid{{tempo.bpm, tempo.patternLength, tempo.patternSpeed, tempo.offsetMs}};
}

std::string pictureName(const PictureLane& lane, std::size_t longest) {
    return pictureLabel(lane.picture, lane.file, longest);
}

std::string laneName(const Timeline& timeline, StripLane lane, int32_t index) {
    switch (lane) {
        case StripLane::Ruler:
            return std::to_string(timeline.tempo.bpm) + " bpm";
        case StripLane::Waveform:
            return "song";
        case StripLane::Switch:
            if (index >= 0 && index < static_cast<int32_t>(timeline.switches.size()))
                return timeline.switches[static_cast<std::size_t>(index)].keyword;
            break;
        case StripLane::Picture:
            if (index >= 0 && index < static_cast<int32_t>(timeline.pictures.size()))
                return pictureName(timeline.pictures[static_cast<std::size_t>(index)]);
            break;
        case StripLane::Sync:
            return "sync, jumps";
        case StripLane::Others:
            return "events";
        case StripLane::Findings:
            return "findings";
        case StripLane::None:
            break;
    }
    return "";
}

EventMark eventMark(const Timeline& timeline, int32_t index) {
    if (index < 0 || index >= static_cast<int32_t>(timeline.events.size())) return {};
    const TimelineEvent& event = timeline.events[static_cast<std::size_t>(index)];
    int32_t row = 0;
    if (isSwitchEvent(timeline, event, row)) return {StripLane::Switch, row};
    if (event.kind == EVENT_SYNC_PATTERN) return {StripLane::Sync, 0};
    for (std::size_t lane = 0; lane < timeline.pictures.size(); ++lane) {
        for (const PictureMarkAt& mark : timeline.pictures[lane].marks) {
            if (mark.event == index) return {StripLane::Picture, static_cast<int32_t>(lane)};
        }
    }
    return {StripLane::Others, 0};
}

int32_t eventNear(const StripPlot& plot, const Timeline& timeline, StripLane lane, int32_t row, float x,
                  float scale) {
    int32_t nearest = -1;
    float distance = NEAR_PIXELS * scale;
    for (std::size_t i = 0; i < timeline.events.size(); ++i) {
        const EventMark mark = eventMark(timeline, static_cast<int32_t>(i));
        if (mark.lane != lane || mark.row != row) continue;
        const float d = std::abs(plot.xOf(timeline.events[i].seconds) - x);
        if (d < distance) {
            distance = d;
            nearest = static_cast<int32_t>(i);
        }
    }
    return nearest;
}

int32_t findingNear(const StripPlot& plot, const Timeline& timeline, float x) {
    int32_t nearest = -1;
    float distance = NEAR_PIXELS;
    for (std::size_t i = 0; i < timeline.findings.size(); ++i) {
        const Finding& finding = timeline.findings[i];
        if (finding.seconds < 0.0) continue;
        const float d = std::abs(plot.xOf(finding.seconds) - x);
        if (d < distance) {
            distance = d;
            nearest = static_cast<int32_t>(i);
        }
    }
    return nearest;
}

std::string laneTip(const StripPlot& plot, const Timeline& timeline, StripLane lane, int32_t index, float x,
                    float scale) {
    const double seconds = std::max(0.0, plot.secondsAt(x));
    const int32_t event = eventNear(plot, timeline, lane, index, x, scale);
    if (event >= 0) {
        const TimelineEvent& near = timeline.events[static_cast<std::size_t>(event)];
        return "line " + std::to_string(near.line) + ": " + near.text + "\n" +
               timeText(timeline, near.seconds);
    }
    switch (lane) {
        case StripLane::Switch:
            if (index >= 0 && index < static_cast<int32_t>(timeline.switches.size()))
                return switchTip(timeline.switches[static_cast<std::size_t>(index)], seconds) + "  " +
                       timeText(timeline, seconds);
            break;
        case StripLane::Picture:
            return pictureTip(timeline, index, seconds) + "  " + timeText(timeline, seconds);
        case StripLane::Sync:
            return jumpTip(plot, timeline, x);
        case StripLane::Findings:
            return findingTip(plot, timeline, x);
        default:
            break;
    }
    return timeText(timeline, seconds);
}
