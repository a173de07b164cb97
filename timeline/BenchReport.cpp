// The benchmark report's JSON both ways. The reader requires what the timeline draws
// (empty frame, percentiles, slowest frames) and reads the rest when present.
#include "timeline/BenchReport.h"

#include <fstream>
#include <nlohmann/json.hpp>

namespace {

double ratio(double value, double baseline) {
    return baseline > 0.0 ? value / baseline : 0.0;
}

nlohmann::json costlyFrameJson(const CostlyFrame& frame) {
    return {{"frame", frame.frame},
            {"position_s", frame.seconds},
            {"ms", frame.ms},
            {"pictures", frame.pictures},
            {"layers", frame.layers}};
}

CostlyFrame costlyFrameOf(const nlohmann::json& entry) {
    CostlyFrame frame;
    frame.frame = entry.at("frame").get<int64_t>();
    frame.seconds = entry.at("position_s").get<double>();
    frame.ms = entry.at("ms").get<double>();
    frame.pictures = entry.at("pictures").get<int32_t>();
    frame.layers = entry.at("layers").get<std::vector<std::string>>();
    return frame;
}

}  // namespace

nlohmann::json benchmarkJson(const BenchmarkReport& r) {
    nlohmann::json slowest = nlohmann::json::array();
    for (const CostlyFrame& frame : r.slowest) slowest.push_back(costlyFrameJson(frame));
    const double base = r.emptyFrameMs;
    return {{"frames", r.frames},
            {"fps", r.fps},
            {"show_seconds", static_cast<double>(r.frames) / r.fps},
            {"wall_seconds", r.showSeconds},
            {"start_to_first_frame_ms", r.startToFirstFrameMs},
            {"empty_frame_ms", base},
            {"frame_ms", {{"median", r.medianMs}, {"p90", r.p90Ms}, {"p99", r.p99Ms}, {"max", r.maxMs}}},
            {"ratio_to_empty",
             {{"median", ratio(r.medianMs, base)},
              {"p90", ratio(r.p90Ms, base)},
              {"p99", ratio(r.p99Ms, base)},
              {"max", ratio(r.maxMs, base)}}},
            {"slowest", slowest}};
}

BenchmarkReport benchmarkOfJson(const nlohmann::json& json) {
    BenchmarkReport r;
    r.frames = json.value("frames", r.frames);
    r.fps = json.value("fps", r.fps);
    r.showSeconds = json.value("wall_seconds", r.showSeconds);
    r.startToFirstFrameMs = json.value("start_to_first_frame_ms", r.startToFirstFrameMs);
    r.emptyFrameMs = json.at("empty_frame_ms").get<double>();
    const nlohmann::json& times = json.at("frame_ms");
    r.medianMs = times.at("median").get<double>();
    r.p90Ms = times.at("p90").get<double>();
    r.p99Ms = times.at("p99").get<double>();
    r.maxMs = times.at("max").get<double>();
    for (const nlohmann::json& entry : json.at("slowest")) r.slowest.push_back(costlyFrameOf(entry));
    return r;
}

std::optional<BenchmarkReport> readBenchReport(const std::string& path, std::string& error) {
    std::ifstream file(path);
    if (!file) {
        error = "cannot open the benchmark report \"" + path + "\"";
        return std::nullopt;
    }
    try {
        return benchmarkOfJson(nlohmann::json::parse(file));
    } catch (const nlohmann::json::exception& e) {
        error = "\"" + path + "\" is not a benchmark report: " + e.what();
        return std::nullopt;
    }
}
