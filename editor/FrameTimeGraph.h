// The overlay's graph of the last few seconds of frame times, and under it a row
// per drawing layer of the scene, lit where that layer was on; a tooltip names
// the frame under the pointer. Draws into the current Dear ImGui window.
#pragma once

#include "editor/FrameTimes.h"
#include "timeline/Timeline.h"

// `now` is the wall clock of the latest frame; `timeline` (may be null) colours the layer rows.
void drawFrameTimeGraph(const FrameTimes& times, double now, const Timeline* timeline);
