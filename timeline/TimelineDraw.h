// Draws the whole timeline picture on any cairo context: the PNG, SVG, PDF and the
// page's inline SVG all come from this one drawing code.
#pragma once

#include <cairo.h>

#include "timeline/BenchReport.h"
#include "timeline/SongWaveform.h"
#include "timeline/Timeline.h"
#include "timeline/TimelineLayout.h"

// The context's user space is in layout pixels, origin top left. `bench` may be null.
void drawTimeline(cairo_t* cr, const Timeline& timeline, const Waveform& wave, const BenchmarkReport* bench,
                  const TimelineLayout& layout);
