// Writes the timeline to a file whose ending picks the form: a PNG, SVG or PDF
// picture, a self-contained HTML page with the SVG inline, or the JSON data.
#pragma once

#include <string>

#include "timeline/BenchReport.h"
#include "timeline/SongWaveform.h"
#include "timeline/Timeline.h"
#include "timeline/TimelineLayout.h"

enum class TimelineFormat { Png, Svg, Pdf, Html, Json, Unknown };

// By the file name's ending, case-insensitive.
TimelineFormat timelineFormatOf(const std::string& file);

// What one picture of the timeline is drawn from.
struct TimelineDrawing {
    const Timeline& timeline;
    const Waveform& wave;
    const BenchmarkReport* bench = nullptr;  // null: no frame-cost lane
    TimelineLayout layout;
};

TimelineDrawing timelineDrawing(const Timeline& timeline, const Waveform& wave, const BenchmarkReport* bench);

// False, with `error` naming the file and the cause, when it cannot be written.
bool writeTimeline(TimelineFormat format, const std::string& file, const TimelineDrawing& drawing,
                   std::string& error);
// The picture as SVG text, for the page.
std::string timelineSvg(const TimelineDrawing& drawing);
