// Serialises the timeline. Spans are [on, off] pairs in song seconds; every switch
// keyword is present, with an empty list when it is never on.
#include "timeline/TimelineJson.h"

#include <nlohmann/json.hpp>

namespace {

nlohmann::ordered_json spansJson(const std::vector<Span>& spans) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const Span& span : spans) list.push_back({span.on, span.off});
    return list;
}

nlohmann::ordered_json pictureJson(const PictureLane& lane) {
    nlohmann::ordered_json modes = nlohmann::ordered_json::array();
    for (const ModeSpan& mode : lane.modes) {
        modes.push_back({{"mode", pictureModeName(mode.mode)}, {"on", mode.span.on}, {"off", mode.span.off}});
    }
    nlohmann::ordered_json marks = nlohmann::ordered_json::array();
    for (const PictureMarkAt& mark : lane.marks) {
        nlohmann::ordered_json entry = {
            {"mark", pictureMarkName(mark.mark)}, {"seconds", mark.seconds}, {"event", mark.event}};
        if (mark.until > mark.seconds) entry["until"] = mark.until;
        marks.push_back(entry);
    }
    return {{"file", lane.file}, {"shown", spansJson(lane.shown)}, {"modes", modes}, {"marks", marks}};
}

nlohmann::ordered_json eventsJson(const std::vector<TimelineEvent>& events) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const TimelineEvent& event : events) {
        list.push_back({{"line", event.line},
                        {"seconds", event.seconds},
                        {"keyword", event.keyword},
                        {"argument", event.argument},
                        {"known", event.kind != 0}});
    }
    return list;
}

nlohmann::ordered_json findingsJson(const std::vector<Finding>& findings) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const Finding& finding : findings) {
        nlohmann::ordered_json entry = {
            {"file", finding.file},     {"line", finding.line},
            {"column", finding.column}, {"severity", severityName(finding.severity)},
            {"code", finding.code},     {"message", finding.message}};
        if (finding.seconds >= 0.0) entry["seconds"] = finding.seconds;
        list.push_back(entry);
    }
    return list;
}

}  // namespace

const char* pictureMarkName(PictureMark mark) {
    switch (mark) {
        case PictureMark::Show:
            return "show";
        case PictureMark::Hide:
            return "hide";
        case PictureMark::FadeIn:
            return "fadeIn";
        case PictureMark::FadeOut:
            return "fadeOut";
        case PictureMark::Still:
            return "still";
        case PictureMark::Zoom:
            return "zoom";
        case PictureMark::Pieces:
            return "pieces";
        case PictureMark::NextPiece:
            return "nextPiece";
        default:
            return "previousPiece";
    }
}

const char* pictureModeName(int32_t mode) {
    constexpr const char* NAMES[] = {"still", "zoom", "flicker", "pieces"};
    return mode >= 0 && mode < 4 ? NAMES[mode] : "still";
}

std::string stepPatternText(int32_t bits, int32_t patternLength) {
    std::string text = "%";
    for (int32_t step = 0; step < patternLength && step < 31; ++step)
        text += ((bits >> step) & 1) ? 'x' : '.';
    return text;
}

nlohmann::ordered_json timelineJson(const Timeline& timeline) {
    nlohmann::ordered_json layers = nlohmann::ordered_json::object();
    for (const SwitchLane& lane : timeline.switches) layers[lane.keyword] = spansJson(lane.spans);
    nlohmann::ordered_json pictures = nlohmann::ordered_json::object();
    for (const PictureLane& lane : timeline.pictures)
        pictures[std::to_string(lane.picture)] = pictureJson(lane);
    nlohmann::ordered_json patterns = nlohmann::ordered_json::array();
    for (const SyncPatternChange& change : timeline.syncPatterns) {
        patterns.push_back({{"seconds", change.seconds},
                            {"steps", stepPatternText(change.bits, timeline.tempo.patternLength)},
                            {"event", change.event}});
    }
    nlohmann::ordered_json jumps = nlohmann::ordered_json::array();
    for (const CameraJump& jump : timeline.jumps)
        jumps.push_back({{"frame", jump.frame}, {"seconds", jump.seconds}});
    const Tempo& tempo = timeline.tempo;
    return {{"song", {{"file", timeline.songFile}, {"seconds", timeline.songSeconds}}},
            {"tempo",
             {{"bpm", tempo.bpm},
              {"patternLength", tempo.patternLength},
              {"patternSpeed", tempo.patternSpeed},
              {"offsetMs", tempo.offsetMs}}},
            {"layers", layers},
            {"pictures", pictures},
            {"syncPatterns", patterns},
            {"jumps", jumps},
            {"events", eventsJson(timeline.events)},
            {"findings", findingsJson(timeline.findings)}};
}
