// The benchmark's figures from the measured frames: percentiles, the slowest
// frames with their song position and layers, ratios to the empty frame; as a
// table for people (its JSON is timeline/BenchReport's). Measures nothing itself.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "timeline/BenchReport.h"

// One measured frame of the show.
struct FrameSample {
    int64_t frame = 0;
    double ms = 0.0;        // wall time of update, draw and swap, GL work finished
    float position = 0.0f;  // song position the frame showed
    uint32_t layers = 0;    // bit i: layer i of the scene's layer table was on
    int32_t pictures = 0;   // overlay pictures visible
};

// The names of the layers whose bits are set.
std::vector<std::string> layersOn(uint32_t layers);

// Nearest-rank percentile (0 < q <= 1) of ascending values; 0 for none.
double percentile(const std::vector<double>& sorted, double q);
// Summarises the measured frames; the start-up and empty-frame figures are filled in by the caller.
BenchmarkReport summarizeFrames(const std::vector<FrameSample>& samples, uint32_t fps);

std::string benchmarkTable(const BenchmarkReport& report);
