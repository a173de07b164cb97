// Where everything of the timeline picture goes: rows of song time (a long song
// wraps), the lanes of a row, the labels placed so that none collide, and the
// boxes under which the page shows a tooltip. Geometry only; drawing is elsewhere.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "timeline/BenchReport.h"
#include "timeline/Timeline.h"

enum class LaneKind { Ruler, Waveform, Switch, Jumps, Picture, Events, Findings, Bench };

struct Lane {
    LaneKind kind = LaneKind::Ruler;
    int32_t index = 0;  // which switch lane or picture lane of the timeline
    std::string label;  // drawn in the left column
    double top = 0.0;   // from the top of its row
    double height = 0.0;
};

struct LayoutRow {
    double from = 0.0;  // song seconds at the left end of the plot
    double to = 0.0;
    double top = 0.0;
};

enum class LabelKind { Event, SyncPattern, Finding, Bench };

struct PlacedLabel {
    LabelKind kind = LabelKind::Event;
    int32_t item = 0;  // event, finding or slowest-frame index
    std::string text;
    int32_t row = 0;
    double left = 0.0;
    double baseline = 0.0;
};

struct HitBox {
    double x = 0.0;
    double y = 0.0;
    double width = 0.0;
    double height = 0.0;
    std::string tip;
};

struct TimelineLayout {
    static constexpr double DEFAULT_WIDTH = 1600.0;
    static constexpr double HEADER_HEIGHT = 50.0;
    static constexpr double LABEL_TRACK = 12.0;
    // Inside lanes: tick stubs above the labels of events and findings; jump ticks under
    // the sync pattern labels; cost bars under the frame-cost labels.
    static constexpr double TICK_ROOM = 6.0;
    static constexpr double JUMP_TICKS = 12.0;
    static constexpr double BENCH_BARS = 36.0;

    double width = DEFAULT_WIDTH;
    double height = 0.0;
    double plotLeft = 0.0;
    double plotRight = 0.0;
    double secondsPerRow = 0.0;
    double pixelsPerSecond = 0.0;
    double rowHeight = 0.0;
    double lanesHeight = 0.0;  // of a row without the gap under it
    std::vector<Lane> lanes;   // the same in every row
    std::vector<LayoutRow> rows;
    std::vector<PlacedLabel> labels;
    std::vector<HitBox> hits;

    int32_t rowOf(double seconds) const;
    double xOf(int32_t row, double seconds) const;
    // The lane of that kind and index; null when the picture has none of that kind.
    const Lane* lane(LaneKind kind, int32_t index = 0) const;
    double laneTop(int32_t row, const Lane& lane) const {
        return rows[static_cast<std::size_t>(row)].top + lane.top;
    }
};

// `bench` may be null: no frame-cost lane.
TimelineLayout layoutTimeline(const Timeline& timeline, const BenchmarkReport* bench,
                              double width = TimelineLayout::DEFAULT_WIDTH);
// The tooltip text of an event: its line number and the line as written.
std::string eventTip(const TimelineEvent& event);
