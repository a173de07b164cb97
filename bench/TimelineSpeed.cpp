// How long the timeline of the generated show takes: the whole command to PNG and
// to HTML (song decoding included), and its parts: decoding the waveform, building
// the timeline from the script, laying out and drawing. Needs the build's data/.
#include <benchmark/benchmark.h>
#include <cairo.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

#include "script/DemoScript.h"
#include "timeline/ScriptLines.h"
#include "timeline/SongWaveform.h"
#include "timeline/TimelineBuild.h"
#include "timeline/TimelineCommand.h"
#include "timeline/TimelineDraw.h"

namespace {

constexpr const char* SCRIPT = "data/script.txt";

void moveToShow() {
    if (chdir(FLASHSTEP_SHOW_DIR) != 0) std::perror("chdir " FLASHSTEP_SHOW_DIR);
}

void BM_TimelineCommand(benchmark::State& state, const char* outFile) {
    moveToShow();
    for (auto _ : state) {
        if (runTimelineCommand(outFile, "") != 0) state.SkipWithError("the timeline command failed");
    }
    std::remove(outFile);
}
BENCHMARK_CAPTURE(BM_TimelineCommand, png, "/tmp/flashstep-timeline-bench.png")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TimelineCommand, html, "/tmp/flashstep-timeline-bench.html")
    ->Unit(benchmark::kMillisecond);

void BM_DecodeWaveform(benchmark::State& state) {
    moveToShow();
    const auto script = std::make_unique<DemoScript>(SCRIPT);
    for (auto _ : state) benchmark::DoNotOptimize(decodeWaveform(script->songfile).seconds);
}
BENCHMARK(BM_DecodeWaveform)->Unit(benchmark::kMillisecond);

void BM_BuildTimeline(benchmark::State& state) {
    moveToShow();
    for (auto _ : state) {
        const auto script = std::make_unique<DemoScript>(SCRIPT);
        benchmark::DoNotOptimize(buildTimeline(*script, locateEventLines(SCRIPT), 141.24).jumps.size());
    }
}
BENCHMARK(BM_BuildTimeline)->Unit(benchmark::kMillisecond);

void BM_LayoutAndDraw(benchmark::State& state) {
    moveToShow();
    const Timeline timeline = timelineOfScriptFile(SCRIPT, 141.24);
    const auto script = std::make_unique<DemoScript>(SCRIPT);
    const Waveform wave = decodeWaveform(script->songfile);
    for (auto _ : state) {
        const TimelineLayout layout = layoutTimeline(timeline, nullptr);
        cairo_surface_t* surface =
            cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1600, static_cast<int>(layout.height));
        cairo_t* cr = cairo_create(surface);
        drawTimeline(cr, timeline, wave, nullptr, layout);
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
    }
}
BENCHMARK(BM_LayoutAndDraw)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
