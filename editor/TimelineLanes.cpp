// Tooltips name the pattern and beat as the script would write them, and the
// seconds beside them.
#include "editor/TimelineLanes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "player/ShowTime.h"

namespace {

constexpr float NEAR_PIXELS = 4.0f;

std::string timeText(const Timeline& timeline, double seconds) {
    const Tempo& tempo = timeline.tempo;
    const ScriptTempo scriptTempo{tempo.bpm, tempo.patternLength, tempo.patternSpeed};
    char text[64];
    std::snprintf(text, sizeof text, "%s  %.2f s", patternBeatText(seconds, scriptTempo).c_str(), seconds);
    return text;
}

std::string pictureTip(const Timeline& timeline, double seconds) {
    std::string shown;
    for (const PictureLane& lane : timeline.pictures) {
        for (const Span& span : lane.shown) {
            if (seconds >= span.on && seconds < span.off) {
                shown += " " + std::to_string(lane.picture);
                break;
            }
        }
    }
    return shown.empty() ? "no picture shown" : "pictures shown:" + shown;
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
    return "camera jumps";
}

std::string findingTip(const StripPlot& plot, const Timeline& timeline, float x) {
    const int32_t near = findingNear(plot, timeline, x);
    if (near < 0) return "findings of the show check";
    const Finding& finding = timeline.findings[static_cast<std::size_t>(near)];
    return finding.file + ":" + std::to_string(finding.line) + ": " + finding.message;
}

}  // namespace

StripLane StripRows::laneAt(float y, int32_t& index) const {
    index = 0;
    if (y < top || y >= bottom()) return StripLane::None;
    if (y < waveformTop()) return StripLane::Ruler;
    if (y < switchesTop()) return StripLane::Waveform;
    if (y < picturesTop()) {
        index = std::min(switchCount - 1, static_cast<int32_t>((y - switchesTop()) / SWITCH_ROW));
        return StripLane::Switch;
    }
    if (y < jumpsTop()) return StripLane::Pictures;
    if (y < findingsTop()) return StripLane::Jumps;
    return StripLane::Findings;
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

std::string laneTip(const StripPlot& plot, const Timeline& timeline, StripLane lane, int32_t index, float x) {
    const double seconds = std::max(0.0, plot.secondsAt(x));
    switch (lane) {
        case StripLane::Switch:
            if (index >= 0 && index < static_cast<int32_t>(timeline.switches.size()))
                return switchTip(timeline.switches[static_cast<std::size_t>(index)], seconds) + "  " +
                       timeText(timeline, seconds);
            break;
        case StripLane::Pictures:
            return pictureTip(timeline, seconds) + "  " + timeText(timeline, seconds);
        case StripLane::Jumps:
            return jumpTip(plot, timeline, x);
        case StripLane::Findings:
            return findingTip(plot, timeline, x);
        default:
            break;
    }
    return timeText(timeline, seconds);
}
