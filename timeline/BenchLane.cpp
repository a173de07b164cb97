// Reads the benchmark's JSON report. Fields the timeline does not draw are ignored,
// so a report with more in it still reads; a missing field is an error.
#include "timeline/BenchLane.h"

#include <fstream>
#include <nlohmann/json.hpp>

namespace {

CostlyFrame costlyFrame(const nlohmann::json& entry) {
    CostlyFrame frame;
    frame.frame = entry.at("frame").get<int64_t>();
    frame.seconds = entry.at("position_s").get<double>();
    frame.ms = entry.at("ms").get<double>();
    frame.pictures = entry.at("pictures").get<int32_t>();
    frame.layers = entry.at("layers").get<std::vector<std::string>>();
    return frame;
}

BenchLane benchLane(const nlohmann::json& report) {
    BenchLane lane;
    lane.emptyFrameMs = report.at("empty_frame_ms").get<double>();
    const nlohmann::json& times = report.at("frame_ms");
    lane.medianMs = times.at("median").get<double>();
    lane.p90Ms = times.at("p90").get<double>();
    lane.p99Ms = times.at("p99").get<double>();
    lane.maxMs = times.at("max").get<double>();
    for (const nlohmann::json& entry : report.at("slowest")) lane.slowest.push_back(costlyFrame(entry));
    return lane;
}

}  // namespace

std::optional<BenchLane> readBenchReport(const std::string& path, std::string& error) {
    std::ifstream file(path);
    if (!file) {
        error = "cannot open the benchmark report \"" + path + "\"";
        return std::nullopt;
    }
    try {
        return benchLane(nlohmann::json::parse(file));
    } catch (const nlohmann::json::exception& e) {
        error = "\"" + path + "\" is not a benchmark report: " + e.what();
        return std::nullopt;
    }
}
