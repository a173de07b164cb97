// Times each frame from swap to swap (update, draw, swap, with glFinish so that
// llvmpipe's render threads are done), records where in the song it was and which
// layers were on, and measures a cleared, swapped empty frame as the baseline.
#include "offscreen/Benchmark.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <vector>

#include "offscreen/BenchmarkReport.h"
#include "offscreen/ProgressBar.h"
#include "player/ShowLength.h"
#include "scene/SceneLayers.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int EMPTY_FRAME_ROUNDS = 300;

double millisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

int32_t picturesShown(const ImageOverlay& overlay) {
    int32_t shown = 0;
    for (int32_t i = 0; i < overlay.count; ++i) shown += overlay.visible[i] ? 1 : 0;
    return shown;
}

// Median time of a cleared and swapped frame, in the show's own context.
double measureEmptyFrame(const PlayerFrame& frame) {
    std::vector<double> times;
    glFinish();
    Clock::time_point last = Clock::now();
    for (int i = 0; i < EMPTY_FRAME_ROUNDS; ++i) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        frame.shell.swapBuffers(frame.window);
        glFinish();
        const Clock::time_point now = Clock::now();
        times.push_back(millisecondsBetween(last, now));
        last = now;
    }
    std::sort(times.begin(), times.end());
    return percentile(times, 0.5);
}

// Frame 0 carries the start-up and is reported as start-to-first-frame; the
// frames after it are timed from the previous swap to their own.
class BenchmarkRecorder : public FrameObserver {
public:
    BenchmarkRecorder(Clock::time_point start, int64_t frames, bool quiet)
        : processStart(start), totalFrames(frames), progress(frames, quiet) {
        samples.reserve(static_cast<size_t>(frames));
    }

    bool frameDrawn(const PlayerFrame& frame) override {
        pending.frame = frame.number;
        pending.position = static_cast<float>(frame.player.songSeconds());
        pending.layers = sceneLayersOn(frame.player.scene());
        pending.pictures = picturesShown(*frame.player.scene().overlay);
        return true;
    }

    void frameShown(const PlayerFrame& shown) override {
        const int64_t frame = framesShown++;  // a range starts anywhere in the show
        glFinish();
        const Clock::time_point now = Clock::now();
        if (frame == 0) {
            startToFirstFrameMs = millisecondsBetween(processStart, now);
        } else {
            pending.ms = millisecondsBetween(lastShown, now);
            samples.push_back(pending);
        }
        lastShown = now;
        progress.update(frame + 1);
        if (frame + 1 == totalFrames) {
            progress.finish(frame + 1);
            emptyFrameMs = measureEmptyFrame(shown);
        }
    }

    Clock::time_point processStart;
    Clock::time_point lastShown = {};
    int64_t totalFrames = 0;
    int64_t framesShown = 0;
    ProgressBar progress;
    FrameSample pending;
    std::vector<FrameSample> samples;
    double startToFirstFrameMs = 0.0;
    double emptyFrameMs = 0.0;
};

}  // namespace

int runBenchmark(const BenchmarkRequest& request, const ShowRange& range, RunPlan plan,
                 const PlanRunner& runShow) {
    // Counting the song's frames decodes it; a plain run never does, so that time is not start-up.
    const Clock::time_point measuring = Clock::now();
    const ShowSong song = readShowSong(plan.frames == 0 && range.endMs < 0.0);
    plan.clock = FrameClock::Schedule;
    int64_t firstFrame = 0;
    if (!settleRange(plan, range, song, firstFrame)) return 1;
    const Clock::time_point start = request.processStart + (Clock::now() - measuring);

    BenchmarkRecorder recorder(start, plan.frames, request.quiet);
    plan.observers.push_back(&recorder);
    const int shellCode = runShow(plan);
    if (static_cast<int64_t>(recorder.samples.size()) + 1 != plan.frames) {
        std::fprintf(stderr, "flashstep: the benchmark ended after %zu of %lld frames\n",
                     recorder.samples.size() + 1, static_cast<long long>(plan.frames));
        return 1;
    }
    BenchmarkReport report = summarizeFrames(recorder.samples, plan.fps);
    report.frames = plan.frames;
    report.startToFirstFrameMs = recorder.startToFirstFrameMs;
    report.emptyFrameMs = recorder.emptyFrameMs;
    if (request.json) {
        std::printf("%s\n", benchmarkJson(report).dump().c_str());
    } else {
        std::fputs(benchmarkTable(report).c_str(), stdout);
    }
    return shellCode;
}
