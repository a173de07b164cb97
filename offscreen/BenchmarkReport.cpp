// Percentiles, the slowest frames named, and the benchmark's table.
#include "offscreen/BenchmarkReport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "scene/SceneLayers.h"

namespace {

double ratio(double value, double baseline) {
    return baseline > 0.0 ? value / baseline : 0.0;
}

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "" : " ") + name;
    return text.empty() ? "-" : text;
}

std::string line(const char* format, double a, double b) {
    char text[128];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

}  // namespace

std::vector<std::string> layersOn(uint32_t layers) {
    std::vector<std::string> on;
    for (int32_t i = 0; i < SCENE_LAYER_COUNT; ++i) {
        if ((layers >> i) & 1u) on.emplace_back(SCENE_LAYERS[i].keyword);
    }
    return on;
}

double percentile(const std::vector<double>& sorted, double q) {
    if (sorted.empty()) return 0.0;
    const double rank = std::ceil(q * static_cast<double>(sorted.size()));
    const size_t index = static_cast<size_t>(std::clamp(rank, 1.0, static_cast<double>(sorted.size()))) - 1;
    return sorted[index];
}

BenchmarkReport summarizeFrames(const std::vector<FrameSample>& samples, uint32_t fps) {
    BenchmarkReport report;
    report.frames = static_cast<int64_t>(samples.size());
    report.fps = fps;
    std::vector<double> times;
    times.reserve(samples.size());
    for (const FrameSample& sample : samples) times.push_back(sample.ms);
    std::sort(times.begin(), times.end());
    for (double ms : times) report.showSeconds += ms / 1000.0;
    report.medianMs = percentile(times, 0.5);
    report.p90Ms = percentile(times, 0.9);
    report.p99Ms = percentile(times, 0.99);
    report.maxMs = times.empty() ? 0.0 : times.back();
    std::vector<FrameSample> slowest = samples;
    const size_t kept = std::min<size_t>(BenchmarkReport::SLOWEST, samples.size());
    std::partial_sort(slowest.begin(), slowest.begin() + static_cast<std::ptrdiff_t>(kept), slowest.end(),
                      [](const FrameSample& a, const FrameSample& b) { return a.ms > b.ms; });
    slowest.resize(kept);
    for (const FrameSample& s : slowest)
        report.slowest.push_back(
            {s.frame, static_cast<double>(s.position), s.ms, s.pictures, layersOn(s.layers)});
    return report;
}

std::string benchmarkTable(const BenchmarkReport& r) {
    std::string text;
    char head[160];
    std::snprintf(
        head, sizeof head, "flashstep benchmark: %lld frames at %u fps (%.1f s of show in %.1f s)\n",
        static_cast<long long>(r.frames), r.fps, static_cast<double>(r.frames) / r.fps, r.showSeconds);
    text += head;
    char start[96];
    std::snprintf(start, sizeof start, "start to first frame  %9.2f ms\n", r.startToFirstFrameMs);
    text += start;
    text += line("empty frame (base)    %9.3f ms   x%.1f\n", r.emptyFrameMs, 1.0);
    text += line("median                %9.3f ms   x%.1f\n", r.medianMs, ratio(r.medianMs, r.emptyFrameMs));
    text += line("p90                   %9.3f ms   x%.1f\n", r.p90Ms, ratio(r.p90Ms, r.emptyFrameMs));
    text += line("p99                   %9.3f ms   x%.1f\n", r.p99Ms, ratio(r.p99Ms, r.emptyFrameMs));
    text += line("max                   %9.3f ms   x%.1f\n", r.maxMs, ratio(r.maxMs, r.emptyFrameMs));
    text += "slowest frames:\n";
    for (const CostlyFrame& s : r.slowest) {
        char row[256];
        std::snprintf(row, sizeof row, "  frame %6lld  t=%8.3f s  %8.3f ms  pictures=%d  layers: %s\n",
                      static_cast<long long>(s.frame), s.seconds, s.ms, s.pictures, joined(s.layers).c_str());
        text += row;
    }
    return text;
}
