// Point marks and text: ticks of the other events and of the findings, the frame
// cost bars with their median and p90 levels, and every placed label.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "timeline/DrawParts.h"
#include "timeline/TimelineFonts.h"

namespace draw {
namespace {

// A faint line through the lane, so that a label can be followed to its moment,
// and a dark stub at the top where the moment is.
void tick(cairo_t* cr, const TimelineLayout& layout, const Lane& lane, double seconds, Rgb stub) {
    const int32_t row = layout.rowOf(seconds);
    const double x = std::round(layout.xOf(row, seconds)) + 0.5;
    const double top = layout.laneTop(row, lane);
    setColour(cr, palette::PATTERN_LINE);
    cairo_move_to(cr, x, top + TimelineLayout::TICK_ROOM);
    cairo_line_to(cr, x, top + lane.height);
    cairo_stroke(cr);
    setColour(cr, stub);
    cairo_move_to(cr, x, top);
    cairo_line_to(cr, x, top + TimelineLayout::TICK_ROOM);
    cairo_stroke(cr);
}

void findingMarker(cairo_t* cr, const TimelineLayout& layout, const Lane& lane, const Finding& finding) {
    const int32_t row = layout.rowOf(finding.seconds);
    const double x = layout.xOf(row, finding.seconds);
    const double top = layout.laneTop(row, lane);
    setColour(cr, palette::findingColour(finding.severity));
    cairo_move_to(cr, x - 4.0, top);
    cairo_line_to(cr, x + 4.0, top);
    cairo_line_to(cr, x, top + TimelineLayout::TICK_ROOM);
    cairo_close_path(cr);
    cairo_fill(cr);
}

Rgb labelColour(const DrawInput& in, const PlacedLabel& label) {
    switch (label.kind) {
        case LabelKind::SyncPattern:
            return palette::PATTERN_CHANGE;
        case LabelKind::Finding:
            return palette::findingColour(
                in.timeline.findings[static_cast<std::size_t>(label.item)].severity);
        case LabelKind::Bench:
            return palette::BENCH;
        default:
            return palette::INK;
    }
}

void levelLine(cairo_t* cr, const TimelineLayout& layout, double y) {
    const double dashes[] = {3.0, 3.0};
    cairo_set_dash(cr, dashes, 2, 0.0);
    setColour(cr, palette::BENCH, 0.6);
    cairo_move_to(cr, layout.plotLeft, y);
    cairo_line_to(cr, layout.plotRight, y);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0.0);
}

std::string msText(const char* name, double ms) {
    char text[48];
    std::snprintf(text, sizeof text, "%s %.1f ms", name, ms);
    return text;
}

}  // namespace

void ticks(const DrawInput& in) {
    cairo_set_line_width(in.cr, 1.0);
    if (const Lane* lane = in.layout.lane(LaneKind::Events)) {
        for (int32_t i : in.timeline.otherEvents) {
            const TimelineEvent& event = in.timeline.events[static_cast<std::size_t>(i)];
            tick(in.cr, in.layout, *lane, event.seconds, event.kind == 0 ? palette::SONG_END : palette::INK);
        }
    }
    if (const Lane* lane = in.layout.lane(LaneKind::Findings)) {
        for (const Finding& finding : in.timeline.findings) {
            if (finding.seconds >= 0.0) findingMarker(in.cr, in.layout, *lane, finding);
        }
    }
}

void benchBars(const DrawInput& in) {
    const Lane* lane = in.layout.lane(LaneKind::Bench);
    if (lane == nullptr || in.bench == nullptr || !(in.bench->maxMs > 0.0)) return;
    const TimelineLayout& layout = in.layout;
    cairo_t* cr = in.cr;
    const double scale = (TimelineLayout::BENCH_BARS - 4.0) / in.bench->maxMs;
    fonts::use(cr, fonts::LABEL_SIZE - 1.0);
    for (std::size_t r = 0; r < layout.rows.size(); ++r) {
        const auto row = static_cast<int32_t>(r);
        const double bottom = layout.laneTop(row, *lane) + lane->height - 1.0;
        cairo_set_line_width(cr, 1.0);
        levelLine(cr, layout, bottom - in.bench->medianMs * scale);
        levelLine(cr, layout, bottom - in.bench->p90Ms * scale);
        // The levels' values stand in the name column, clear of the bars.
        setColour(cr, palette::BENCH);
        textRightAligned(cr, layout.plotLeft - 6.0, bottom - 12.0, msText("p90", in.bench->p90Ms));
        textRightAligned(cr, layout.plotLeft - 6.0, bottom - 2.0, msText("median", in.bench->medianMs));
    }
    setColour(cr, palette::BENCH);
    for (const CostlyFrame& frame : in.bench->slowest) {
        const int32_t row = layout.rowOf(frame.seconds);
        const double bottom = layout.laneTop(row, *lane) + lane->height - 1.0;
        const double height = frame.ms * scale;
        cairo_rectangle(cr, layout.xOf(row, frame.seconds) - 1.5, bottom - height, 3.0, height);
    }
    cairo_fill(cr);
}

void labels(const DrawInput& in) {
    fonts::use(in.cr, fonts::LABEL_SIZE);
    for (const PlacedLabel& label : in.layout.labels) {
        setColour(in.cr, labelColour(in, label));
        haloText(in.cr, label.left, label.baseline, label.text);
    }
}

}  // namespace draw
