// Frame cost from the player's benchmark report (--benchmark --json): the frame-time
// percentiles and the slowest frames with their song time and the layers on there.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct CostlyFrame {
    int64_t frame = 0;
    double seconds = 0.0;
    double ms = 0.0;
    int32_t pictures = 0;
    std::vector<std::string> layers;
};

struct BenchLane {
    double emptyFrameMs = 0.0;
    double medianMs = 0.0;
    double p90Ms = 0.0;
    double p99Ms = 0.0;
    double maxMs = 0.0;
    std::vector<CostlyFrame> slowest;  // slowest first
};

// The report at `path`; nullopt with `error` set when it cannot be read or is not one.
std::optional<BenchLane> readBenchReport(const std::string& path, std::string& error);
