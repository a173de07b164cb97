// The whole-show benchmark's report as its JSON holds it: written by the benchmark
// (--benchmark --json), read back for the timeline's frame-cost lane. Both ways are
// defined here, field by field side by side, so the writer and the reader agree.
#pragma once

#include <cstdint>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>
#include <vector>

// One of the slowest frames: where it was, how long it took and what was on.
struct CostlyFrame {
    int64_t frame = 0;
    double seconds = 0.0;  // the song position the frame showed
    double ms = 0.0;
    int32_t pictures = 0;             // overlay pictures visible
    std::vector<std::string> layers;  // the scene's switches that were on, by keyword
};

struct BenchmarkReport {
    static constexpr int SLOWEST = 5;
    int64_t frames = 0;
    uint32_t fps = 60;
    double startToFirstFrameMs = 0.0;
    double showSeconds = 0.0;  // wall time of all measured frames
    double emptyFrameMs = 0.0;
    double medianMs = 0.0;
    double p90Ms = 0.0;
    double p99Ms = 0.0;
    double maxMs = 0.0;
    std::vector<CostlyFrame> slowest;  // slowest first
};

nlohmann::json benchmarkJson(const BenchmarkReport& report);
// The report in `json`; what the frame-cost lane draws must be there (nlohmann's
// exception otherwise), the rest is taken when present. Fields beyond these are ignored.
BenchmarkReport benchmarkOfJson(const nlohmann::json& json);
// The report at `path`; nullopt with `error` set when it cannot be read or is not one.
std::optional<BenchmarkReport> readBenchReport(const std::string& path, std::string& error);
