// Show folders for the robustness tests: a fresh copy of the generated data set
// that a test may break, and the player's trace of a run kept per folder.
// Runs the binary only through tests/demo/TraceRun; knows nothing of the cases.
#pragma once

#include <string>

#include "tests/support/PlayerRun.h"

// Frames and frame time that play the whole generated show (about 142 s of song)
// with every event dispatched, in few frames.
constexpr int WHOLE_SHOW_FRAMES = 75;
constexpr int WHOLE_SHOW_DT_MS = 2000;

// Copies the generated data set into `folder`/data.
void copyDataSet(const std::string& folder);

// Runs the player deterministically in `folder` with a trace.
PlayerRun playShow(const std::string& folder, int frames, int dtMs);

// The trace of the intact data set over the whole show. Computed once and kept in
// the build tree next to the data set, so that a whole matrix pays for it once.
const std::string& intactWholeShowTrace();

// True when standard error holds anything a sanitizer writes.
bool hasSanitizerReport(const std::string& stderrText);
