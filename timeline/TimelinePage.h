// The timeline as one self-contained HTML page: the picture as inline SVG, the
// data as embedded JSON, and a small script for tooltips and the time under the
// pointer. Needs nothing from the network.
#pragma once

#include <string>

struct TimelineDrawing;

std::string timelinePage(const TimelineDrawing& drawing);
// The page's script (plain JavaScript, no libraries).
const char* timelinePageScript();
