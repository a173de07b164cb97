// Labels and tooltip boxes of the layout. Labels are placed row by row and lane by
// lane in time order; a box under each event, finding and costly frame carries its
// tooltip, and events drawn at the same spot of one lane share one box.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <tuple>

#include "check/FindingsOutput.h"
#include "script/DemoScript.h"
#include "timeline/LabelPlacer.h"
#include "timeline/LayoutParts.h"
#include "timeline/PictureLanes.h"
#include "timeline/TimelineFonts.h"
#include "timeline/TimelineJson.h"

namespace layout {
namespace {

constexpr int32_t MAX_TRACKS[LABEL_KINDS] = {5, 1, 2, 2};  // by LabelKind
constexpr double HIT_HALF_WIDTH = 3.0;

struct LabelWish {
    LabelKind kind = LabelKind::Event;
    int32_t item = 0;
    std::string text;
    double seconds = 0.0;
};

std::string eventLabel(const TimelineEvent& event) {
    if (event.kind == EVENT_SYNC_ONCE || event.argument.empty()) return event.keyword;
    return event.keyword + " " + event.argument;
}

std::string benchLabel(const CostlyFrame& frame) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f ms", frame.ms);
    std::string label = text;
    for (const std::string& layer : frame.layers) label += " " + layer;
    return label;
}

std::vector<LabelWish> labelWishes(const Timeline& timeline, const BenchmarkReport* bench) {
    std::vector<LabelWish> wishes;
    for (int32_t i : timeline.otherEvents)
        wishes.push_back({LabelKind::Event, i, eventLabel(timeline.events[static_cast<std::size_t>(i)]),
                          timeline.events[static_cast<std::size_t>(i)].seconds});
    for (const SyncPatternChange& change : timeline.syncPatterns)
        wishes.push_back({LabelKind::SyncPattern, change.event,
                          stepPatternText(change.bits, timeline.tempo.patternLength), change.seconds});
    for (std::size_t i = 0; i < timeline.findings.size(); ++i) {
        const Finding& finding = timeline.findings[i];
        if (finding.seconds >= 0.0)
            wishes.push_back({LabelKind::Finding, static_cast<int32_t>(i), finding.code, finding.seconds});
    }
    for (std::size_t i = 0; bench != nullptr && i < bench->slowest.size(); ++i)
        wishes.push_back({LabelKind::Bench, static_cast<int32_t>(i), benchLabel(bench->slowest[i]),
                          bench->slowest[i].seconds});
    // Placing from left to right keeps each label next to its tick where it can.
    std::stable_sort(wishes.begin(), wishes.end(),
                     [](const LabelWish& a, const LabelWish& b) { return a.seconds < b.seconds; });
    return wishes;
}

double labelOffset(LabelKind kind) {
    return kind == LabelKind::Event || kind == LabelKind::Finding ? TimelineLayout::TICK_ROOM : 0.0;
}

HitBox boxAt(const TimelineLayout& layout, int32_t row, const Lane& lane, double seconds, std::string tip) {
    const double x = layout.xOf(row, seconds);
    return {x - HIT_HALF_WIDTH, layout.laneTop(row, lane), 2.0 * HIT_HALF_WIDTH, lane.height, std::move(tip)};
}

int32_t switchIndex(const Timeline& timeline, int32_t kind) {
    for (std::size_t i = 0; i < timeline.switches.size(); ++i) {
        if (timeline.switches[i].kind == kind) return static_cast<int32_t>(i);
    }
    return -1;
}

int32_t pictureIndex(const Timeline& timeline, const TimelineEvent& event) {
    const auto picture = static_cast<int32_t>(event.value);
    for (std::size_t i = 0; i < timeline.pictures.size(); ++i) {
        if (timeline.pictures[i].picture == picture) return static_cast<int32_t>(i);
    }
    return -1;
}

const Lane* laneOfEvent(const TimelineLayout& layout, const Timeline& timeline, const TimelineEvent& event) {
    const int32_t switchLane = switchIndex(timeline, event.kind);
    if (switchLane >= 0) return layout.lane(LaneKind::Switch, switchLane);
    if (isPictureEvent(event)) return layout.lane(LaneKind::Picture, pictureIndex(timeline, event));
    if (event.kind == EVENT_SYNC_PATTERN) return layout.lane(LaneKind::Jumps);
    return layout.lane(LaneKind::Events);
}

void addEventBoxes(TimelineLayout& layout, const Timeline& timeline) {
    // Events a pixel apart in one lane would hide each other's box: they share one.
    std::map<std::tuple<int32_t, const Lane*, long>, std::size_t> shared;
    for (const TimelineEvent& event : timeline.events) {
        const Lane* lane = laneOfEvent(layout, timeline, event);
        if (lane == nullptr) continue;
        const int32_t row = layout.rowOf(event.seconds);
        const auto key = std::make_tuple(row, lane, std::lround(layout.xOf(row, event.seconds)));
        const auto found = shared.find(key);
        if (found != shared.end()) {
            layout.hits[found->second].tip += "\n" + eventTip(event);
            continue;
        }
        shared[key] = layout.hits.size();
        layout.hits.push_back(boxAt(layout, row, *lane, event.seconds, eventTip(event)));
    }
}

std::string findingTip(const Finding& finding) {
    return findingPlace(finding) + ": " + severityName(finding.severity) + ": " + finding.message + " [" +
           finding.code + "]";
}

std::string benchTip(const CostlyFrame& frame) {
    char head[96];
    std::snprintf(head, sizeof head,
                  "frame %lld at %.3f s: %.2f ms, %d pictures; layers:", static_cast<long long>(frame.frame),
                  frame.seconds, frame.ms, frame.pictures);
    std::string tip = head;
    for (const std::string& layer : frame.layers) tip += " " + layer;
    return tip;
}

}  // namespace

LaneKind laneOfLabel(LabelKind kind) {
    switch (kind) {
        case LabelKind::Event:
            return LaneKind::Events;
        case LabelKind::SyncPattern:
            return LaneKind::Jumps;
        case LabelKind::Finding:
            return LaneKind::Findings;
        default:
            return LaneKind::Bench;
    }
}

std::vector<LabelDraft> placeLabels(const Timeline& timeline, const BenchmarkReport* bench,
                                    const TimelineLayout& layout, TrackCounts& tracksUsed) {
    std::map<std::pair<int32_t, LabelKind>, LabelPlacer> placers;
    std::vector<LabelDraft> drafts;
    const fonts::TextMeasure measure;
    for (const LabelWish& wish : labelWishes(timeline, bench)) {
        const int32_t row = layout.rowOf(wish.seconds);
        const auto kind = static_cast<std::size_t>(wish.kind);
        auto placer =
            placers.try_emplace({row, wish.kind}, MAX_TRACKS[kind], layout.plotLeft, layout.plotRight).first;
        const double x = layout.xOf(row, wish.seconds);
        const LabelSpot spot = placer->second.place({x, measure.width(wish.text, fonts::LABEL_SIZE)});
        if (spot.track < 0) continue;
        drafts.push_back({{wish.kind, wish.item, wish.text, row, spot.left, 0.0}, spot.track});
        tracksUsed[kind] = std::max(tracksUsed[kind], spot.track + 1);
    }
    return drafts;
}

void settleLabels(TimelineLayout& layout, const std::vector<LabelDraft>& drafts) {
    for (const LabelDraft& draft : drafts) {
        const Lane* lane = layout.lane(laneOfLabel(draft.label.kind));
        if (lane == nullptr) continue;
        PlacedLabel label = draft.label;
        label.baseline = layout.laneTop(label.row, *lane) + labelOffset(label.kind) +
                         TimelineLayout::LABEL_TRACK * (draft.track + 1) - 3.0;
        layout.labels.push_back(std::move(label));
    }
}

void addHitBoxes(TimelineLayout& layout, const Timeline& timeline, const BenchmarkReport* bench) {
    addEventBoxes(layout, timeline);
    const Lane* findings = layout.lane(LaneKind::Findings);
    for (const Finding& finding : timeline.findings) {
        if (findings == nullptr || finding.seconds < 0.0) continue;
        layout.hits.push_back(
            boxAt(layout, layout.rowOf(finding.seconds), *findings, finding.seconds, findingTip(finding)));
    }
    const Lane* costs = layout.lane(LaneKind::Bench);
    for (std::size_t i = 0; costs != nullptr && bench != nullptr && i < bench->slowest.size(); ++i) {
        const CostlyFrame& frame = bench->slowest[i];
        layout.hits.push_back(
            boxAt(layout, layout.rowOf(frame.seconds), *costs, frame.seconds, benchTip(frame)));
    }
}

}  // namespace layout

std::string eventTip(const TimelineEvent& event) {
    if (event.line <= 0) return event.keyword + " " + event.argument;
    return "line " + std::to_string(event.line) + ": " + event.text;
}
