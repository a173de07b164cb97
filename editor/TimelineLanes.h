// The lanes of the timeline strip and where they sit: the pattern ruler, the
// song's waveform, one thin lane per switch, the pictures with their marks, the
// camera jumps and the check's findings; which lane a height falls in, and the
// tooltip text of whatever is under the pointer. Geometry and words; no drawing.
#pragma once

#include <cstdint>
#include <string>

#include "editor/TimelineView.h"
#include "timeline/Timeline.h"

enum class StripLane { Ruler, Waveform, Switch, Pictures, Jumps, Findings, None };

// Where the plot is on the screen and which song time it shows.
struct StripPlot {
    TimelineView view;
    float left = 0.0f;
    float width = 1.0f;

    float xOf(double seconds) const { return static_cast<float>(view.xOf(seconds, left, width)); }
    double secondsAt(float x) const { return view.secondsAt(x, left, width); }
};

// The rows of the strip from `top` down; switch lanes are `switchCount` rows of SWITCH_ROW.
struct StripRows {
    static constexpr float RULER = 12.0f;
    static constexpr float WAVEFORM = 18.0f;
    static constexpr float SWITCH_ROW = 3.0f;
    static constexpr float PICTURES = 8.0f;
    static constexpr float JUMPS = 6.0f;
    static constexpr float FINDINGS = 9.0f;
    static constexpr float GAP = 1.0f;

    float top = 0.0f;
    int32_t switchCount = 0;

    float waveformTop() const { return top + RULER + GAP; }
    float switchesTop() const { return waveformTop() + WAVEFORM + GAP; }
    float picturesTop() const { return switchesTop() + switchCount * SWITCH_ROW + GAP; }
    float jumpsTop() const { return picturesTop() + PICTURES + GAP; }
    float findingsTop() const { return jumpsTop() + JUMPS + GAP; }
    float bottom() const { return findingsTop() + FINDINGS; }
    // The lane at height y, and for switch lanes which one.
    StripLane laneAt(float y, int32_t& index) const;
};

// The finding whose mark is within a few pixels of x; -1 when none.
int32_t findingNear(const StripPlot& plot, const Timeline& timeline, float x);
// What the pointer at x over `lane` points at, in words.
std::string laneTip(const StripPlot& plot, const Timeline& timeline, StripLane lane, int32_t index, float x);
