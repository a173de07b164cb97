// flashstep_editor_bench: what the editing overlay of --edit costs a frame, with
// every panel shown, on the real show and a real offscreen Mesa context: one busy
// frame of the show drawn again and again with and without the overlay (the
// difference is its cost), the overlay alone, and a redraw while paused.
// Run from the build folder.
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/MessageBox.h"
#include "app/Shell.h"
#include "bench/OffscreenShow.h"
#include "check/ShowCheck.h"
#include "editor/EditorOverlay.h"
#include "player/Moment.h"
#include "player/Player.h"

namespace {

constexpr double BUSY_MOMENT_MS = 100000.0;  // most layers on and a picture

OffscreenShow show;
GLWindow& window = show.window;
Player& player = show.player;
EditorFeed feed;

// Shows nothing: the overlay's redraw must not cost a real swap here.
class NoSwap : public ShellServices {
public:
    void requestQuit(GLWindow&) override {}
    void showMessage(const char*, const char*, MessageIcon) override {}
    void swapBuffers(GLWindow&) override {}
};

std::unique_ptr<EditorOverlay> overlayMade;  // made once the show is open, gone before it closes

EditorOverlay& overlay() {
    return *overlayMade;
}

void showOverlay(bool shown) {
    if (overlay().shown() != shown) overlay().toggle();
}

// The same frame every time: back to a kept moment, then the frame after it.
void BM_BusyFrame(benchmark::State& state) {
    const bool withOverlay = state.range(0) != 0;
    player.seek(BUSY_MOMENT_MS);
    const std::shared_ptr<const Moment> moment = player.keep();
    if (withOverlay) player.addObserver(overlay());
    for (auto _ : state) {
        player.returnTo(*moment);
        player.frame(0);
        glFinish();
    }
    if (withOverlay) player.removeObserver(overlay());
}
BENCHMARK(BM_BusyFrame)
    ->ArgName("overlay")
    ->Arg(0)
    ->Arg(1)
    ->Arg(0)
    ->Arg(1)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

void BM_OverlayAlone(benchmark::State& state) {
    showOverlay(state.range(0) != 0);
    const PlayerFrame frame{window, shellServices(), player.nextFrame(), player};
    for (auto _ : state) {
        overlay().frameDrawn(frame);
        glFinish();
    }
    showOverlay(true);
}
BENCHMARK(BM_OverlayAlone)
    ->ArgName("shown")
    ->Arg(1)
    ->Arg(0)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);

void BM_PausedRedraw(benchmark::State& state) {
    NoSwap shell;
    for (auto _ : state) {
        overlay().redraw(shell);
        glFinish();
    }
}
BENCHMARK(BM_PausedRedraw)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    if (!show.open(FLASHSTEP_SHOW_DIR)) return 1;
    feed.findings = checkShow();
    overlayMade = std::make_unique<EditorOverlay>(feed, player, window);
    overlay().waitForNotes();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    overlayMade.reset();
    show.close();
    return 0;
}
