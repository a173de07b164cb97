// The benchmark run: the whole show offscreen on the virtual clock at a fixed
// frame rate, as fast as the machine draws it, each frame timed with its GL work
// finished; then the empty-frame baseline in the same context, and the report.
#pragma once

#include <chrono>

#include "player/Player.h"
#include "player/ShowLength.h"

struct BenchmarkRequest {
    bool json = false;   // the report as one JSON object
    bool quiet = false;  // no progress bar
    // The entry of main, the start of start-to-first-frame.
    std::chrono::steady_clock::time_point processStart;
};

// Runs the benchmark with `plan` (its fps; its frame count, or the whole song when
// 0) through `runShow` and prints its report on standard output; the exit code.
int runBenchmark(const BenchmarkRequest& request, const ShowRange& range, RunPlan plan,
                 const PlanRunner& runShow);
