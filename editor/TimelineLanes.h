// The lanes of the timeline strip and where they sit: the pattern ruler, the song's
// waveform, one lane per switch, one per picture with its marks, the sync pattern's
// changes with the camera jumps, the other events and the check's findings; each
// lane's name in the gutter on the left; which lane a height falls in, which event
// a point is on, and the tooltip text of whatever is under the pointer. Geometry
// and words; no drawing.
#pragma once

#include <cstdint>
#include <string>

#include "editor/TimelineView.h"
#include "script/BeatGrid.h"
#include "timeline/Timeline.h"

enum class StripLane { Ruler, Waveform, Switch, Picture, Sync, Others, Findings, None };

// Where the plot is on the screen and which song time it shows.
struct StripPlot {
    TimelineView view;
    float left = 0.0f;
    float width = 1.0f;

    float xOf(double seconds) const { return static_cast<float>(view.xOf(seconds, left, width)); }
    double secondsAt(float x) const { return view.secondsAt(x, left, width); }
};

// The rows of the strip from `top` down, each `scale` times its size at scale 1.
struct StripRows {
    static constexpr float RULER = 18.0f;
    static constexpr float WAVEFORM = 30.0f;
    static constexpr float LANE = 15.0f;
    static constexpr float FINDINGS = 14.0f;
    static constexpr float GAP = 1.0f;
    static constexpr float NAMES = 92.0f;  // the gutter that names the lanes

    float top = 0.0f;
    float scale = 1.0f;
    int32_t switchCount = 0;
    int32_t pictureCount = 0;

    float lane() const { return LANE * scale; }
    float gap() const { return GAP * scale; }
    float names() const { return NAMES * scale; }
    float waveformTop() const { return top + RULER * scale + gap(); }
    float switchesTop() const { return waveformTop() + WAVEFORM * scale + gap(); }
    float picturesTop() const { return switchesTop() + switchCount * lane() + gap(); }
    float syncTop() const { return picturesTop() + pictureCount * lane() + gap(); }
    float othersTop() const { return syncTop() + lane(); }
    float findingsTop() const { return othersTop() + lane() + gap(); }
    float bottom() const { return findingsTop() + FINDINGS * scale; }
    // The lane at height y, and for switch and picture lanes which one.
    StripLane laneAt(float y, int32_t& index) const;
    // The top of row `index` of `lane` (switch and picture lanes have one row each).
    float rowTop(StripLane lane, int32_t index) const;
};

// The beat grid of the timeline's tempo and offset.
BeatGrid beatGridOf(const Tempo& tempo);

// Lane names: the switch's keyword, "image N", "sync", "events", "findings".
std::string laneName(const Timeline& timeline, StripLane lane, int32_t index);
// A picture's lane by its slot and file ("6 logo.png"), the file cut in its middle
// past `longest` characters.
std::string pictureName(const PictureLane& lane, std::size_t longest = 18);

// An event's mark on the strip: its lane and row.
struct EventMark {
    StripLane lane = StripLane::None;
    int32_t row = 0;
};
// Where event `index` of the timeline is marked; lane None for one the strip does not show.
EventMark eventMark(const Timeline& timeline, int32_t index);

// The event whose mark in row `row` of `lane` is within a few pixels of x (the
// nearest); -1 when none.
int32_t eventNear(const StripPlot& plot, const Timeline& timeline, StripLane lane, int32_t row, float x,
                  float scale);
// The finding whose mark is within a few pixels of x; -1 when none.
int32_t findingNear(const StripPlot& plot, const Timeline& timeline, float x);
// What the pointer at x over `lane` points at, in words.
std::string laneTip(const StripPlot& plot, const Timeline& timeline, StripLane lane, int32_t index, float x,
                    float scale);
