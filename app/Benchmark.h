// The benchmark run: the whole show offscreen on the virtual clock at a fixed
// frame rate, as fast as the machine draws it, each frame timed with its GL work
// finished; then the empty-frame baseline in the same context, and the report.
#pragma once

#include <chrono>

struct RunOptions;

// Runs the benchmark and prints its report on standard output; the exit code.
// `processStart` is the entry of main, the start of start-to-first-frame.
int runBenchmark(RunOptions& options, std::chrono::steady_clock::time_point processStart);
