// Rows and lanes. A row holds a whole number of patterns and at most about 200 s,
// which keeps a 2 to 3 minute song in one row 1600 pixels wide; longer songs wrap
// into rows of equal length. Lanes sit under one another in the same order in
// every row; lanes with labels grow by the label tracks they need.
#include "timeline/TimelineLayout.h"

#include <algorithm>
#include <cmath>

#include "timeline/LayoutParts.h"
#include "timeline/PictureNaming.h"

namespace {

constexpr double LABEL_COLUMN = 124.0;
constexpr double RIGHT_MARGIN = 16.0;
constexpr double MAX_ROW_SECONDS = 200.0;
constexpr int32_t MAX_ROWS = 48;  // keeps the picture inside cairo's 32767 pixels
constexpr double RULER_HEIGHT = 16.0;
constexpr double WAVEFORM_HEIGHT = 44.0;
constexpr double SWITCH_HEIGHT = 13.0;
constexpr double PICTURE_HEIGHT = 12.0;
constexpr double ROW_GAP = 18.0;

double rowSeconds(const Timeline& timeline) {
    const double end = timeline.endSeconds;
    const double pattern = timeline.tempo.patternSeconds();
    const double rows = std::clamp(std::ceil(end / MAX_ROW_SECONDS), 1.0, static_cast<double>(MAX_ROWS));
    if (!(pattern > 0.0)) return end / rows;
    // Whole patterns per row, so that every row starts on a pattern, unless patterns are so
    // long that the rows would be mostly empty.
    const double aligned = std::ceil(end / rows / pattern - 1e-9) * pattern;
    return aligned <= 1.5 * end / rows ? aligned : end / rows;
}

void addLane(TimelineLayout& layout, double& top, LaneKind kind, int32_t index, std::string label,
             double height) {
    layout.lanes.push_back({kind, index, std::move(label), top, height});
    top += height;
}

// Lanes in drawing order; returns the height of all of them.
double addLanes(TimelineLayout& layout, const Timeline& timeline, const BenchmarkReport* bench,
                const layout::TrackCounts& tracks) {
    const auto labelled = [&](LabelKind kind, double base) {
        return base + TimelineLayout::LABEL_TRACK * std::max(1, tracks[static_cast<std::size_t>(kind)]);
    };
    double top = 0.0;
    addLane(layout, top, LaneKind::Ruler, 0, "pattern", RULER_HEIGHT);
    addLane(layout, top, LaneKind::Waveform, 0, "song", WAVEFORM_HEIGHT);
    for (std::size_t i = 0; i < timeline.switches.size(); ++i)
        addLane(layout, top, LaneKind::Switch, static_cast<int32_t>(i), timeline.switches[i].keyword,
                SWITCH_HEIGHT);
    addLane(layout, top, LaneKind::Jumps, 0, "camera jumps",
            labelled(LabelKind::SyncPattern, TimelineLayout::JUMP_TICKS));
    for (std::size_t i = 0; i < timeline.pictures.size(); ++i) {
        addLane(layout, top, LaneKind::Picture, static_cast<int32_t>(i),
                pictureLabel(timeline.pictures[i].picture, timeline.pictures[i].file), PICTURE_HEIGHT);
    }
    addLane(layout, top, LaneKind::Events, 0, "other events",
            labelled(LabelKind::Event, TimelineLayout::TICK_ROOM));
    if (!timeline.findings.empty())
        addLane(layout, top, LaneKind::Findings, 0, "check",
                labelled(LabelKind::Finding, TimelineLayout::TICK_ROOM));
    if (bench != nullptr)
        addLane(layout, top, LaneKind::Bench, 0, "frame cost",
                labelled(LabelKind::Bench, TimelineLayout::BENCH_BARS));
    return top;
}

}  // namespace

int32_t TimelineLayout::rowOf(double seconds) const {
    if (rows.empty() || !(secondsPerRow > 0.0)) return 0;
    const double row = std::floor(seconds / secondsPerRow);
    return static_cast<int32_t>(std::clamp(row, 0.0, static_cast<double>(rows.size() - 1)));
}

double TimelineLayout::xOf(int32_t row, double seconds) const {
    return plotLeft + (seconds - rows[static_cast<std::size_t>(row)].from) * pixelsPerSecond;
}

const Lane* TimelineLayout::lane(LaneKind kind, int32_t index) const {
    for (const Lane& candidate : lanes) {
        if (candidate.kind == kind && candidate.index == index) return &candidate;
    }
    return nullptr;
}

TimelineLayout layoutTimeline(const Timeline& timeline, const BenchmarkReport* bench, double width) {
    TimelineLayout layout;
    layout.width = width;
    layout.plotLeft = LABEL_COLUMN;
    layout.plotRight = width - RIGHT_MARGIN;
    layout.secondsPerRow = rowSeconds(timeline);
    layout.pixelsPerSecond = (layout.plotRight - layout.plotLeft) / layout.secondsPerRow;
    const auto rowCount =
        static_cast<int32_t>(std::max(1.0, std::ceil(timeline.endSeconds / layout.secondsPerRow - 1e-9)));
    for (int32_t row = 0; row < rowCount; ++row)
        layout.rows.push_back({row * layout.secondsPerRow, (row + 1) * layout.secondsPerRow, 0.0});

    layout::TrackCounts tracks{};
    const std::vector<layout::LabelDraft> drafts = layout::placeLabels(timeline, bench, layout, tracks);
    layout.lanesHeight = addLanes(layout, timeline, bench, tracks);
    layout.rowHeight = layout.lanesHeight + ROW_GAP;
    for (std::size_t row = 0; row < layout.rows.size(); ++row)
        layout.rows[row].top = TimelineLayout::HEADER_HEIGHT + static_cast<double>(row) * layout.rowHeight;
    layout.height =
        std::ceil(TimelineLayout::HEADER_HEIGHT + static_cast<double>(rowCount) * layout.rowHeight);
    layout::settleLabels(layout, drafts);
    layout::addHitBoxes(layout, timeline, bench);
    return layout;
}
