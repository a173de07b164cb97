// flashstep_bench: Google Benchmark timings of the show's hot pieces on the real
// show data and a real offscreen Mesa context: script loading, a sync action's
// list compilation, one frame of each layer alone, and the heaviest frame with and
// without each layer. Run from the build folder.
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "app/Shell.h"
#include "bench/OffscreenShow.h"
#include "base/Random.h"
#include "demo/DemoState.h"
#include "gfx/FrameReadback.h"
#include "player/Moment.h"
#include "player/Player.h"
#include "scene/BeadLists.h"
#include "scene/SceneLayers.h"

namespace {

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

OffscreenShow show;
GLWindow& window = show.window;
Player& player = show.player;

void allLayersOff(Scene& scene) {
    setSceneLayers(scene, false);
    for (bool& visible : scene.overlay->visible) visible = false;
}

// One whole frame (update, clear, camera, scene, overlay, swap) with only what `turnOn` switches on.
void drawFrameWith(benchmark::State& state, const std::function<void(Scene&)>& turnOn) {
    Scene& scene = *demo::scene;
    allLayersOff(scene);
    turnOn(scene);
    for (auto _ : state) {
        player.frame(0);
        glFinish();
    }
    allLayersOff(scene);
}

void BM_ScriptLoad(benchmark::State& state) {
    for (auto _ : state) {
        DemoScript script("data/script.txt");
        benchmark::DoNotOptimize(script.eventCount);
    }
}
BENCHMARK(BM_ScriptLoad)->Unit(benchmark::kMicrosecond);

void BM_SyncAction(benchmark::State& state) {
    for (auto _ : state) {
        demo::scene->syncAction();
        glFinish();
    }
}
BENCHMARK(BM_SyncAction)->Unit(benchmark::kMicrosecond);

void BM_DecideBeadLists(benchmark::State& state) {
    for (auto _ : state) {
        BeadDecisions decisions;
        decidePalikatBeads(*demo::scene, 5.0f, decisions);
        decideKummaBeads(decisions);
        benchmark::DoNotOptimize(decisions.palikat.data());
    }
}
BENCHMARK(BM_DecideBeadLists)->Unit(benchmark::kMicrosecond);

void BM_CompilePalikatList(benchmark::State& state) {
    BeadDecisions decisions;
    decidePalikatBeads(*demo::scene, 5.0f, decisions);
    for (auto _ : state) compilePalikatList(*demo::scene, decisions);
    glFinish();
}
BENCHMARK(BM_CompilePalikatList)->Unit(benchmark::kMicrosecond);

void BM_CompileKummaList(benchmark::State& state) {
    BeadDecisions decisions;
    decideKummaBeads(decisions);
    decisions.shellRadius = 5.0f;
    decisions.capture = demo::scene->bufferTexture;
    for (auto _ : state) compileKummaList(*demo::scene, decisions);
    glFinish();
}
BENCHMARK(BM_CompileKummaList)->Unit(benchmark::kMicrosecond);

void BM_FrameEmpty(benchmark::State& state) {
    drawFrameWith(state, [](Scene&) {});
}
BENCHMARK(BM_FrameEmpty)->Unit(benchmark::kMillisecond);

void BM_Frame_hohtoRgb(benchmark::State& state) {
    drawFrameWith(state, [](Scene& scene) { scene.hohtoOn = scene.rgbhohtoOn = true; });
}
BENCHMARK(BM_Frame_hohtoRgb)->Unit(benchmark::kMillisecond);

void BM_Frame_overlayPicture(benchmark::State& state) {
    drawFrameWith(state, [](Scene& scene) { scene.overlay->visible[0] = true; });
}
BENCHMARK(BM_Frame_overlayPicture)->Unit(benchmark::kMillisecond);

// The show's heaviest moments: every layer on, stretched shells, two pictures; the
// same random lists every time, so that leaving one layer out gives its cost there.
void turnEverythingOn(Scene& scene) {
    setSceneLayers(scene, true);
    scene.titleImagesOn = false;
    scene.overlay->visible[1] = scene.overlay->visible[8] = true;
    randomSeed(1);
    scene.syncAction();  // the stretch is compiled into the lists
}

void BM_Frame_everything(benchmark::State& state) {
    drawFrameWith(state, turnEverythingOn);
}
BENCHMARK(BM_Frame_everything)->Unit(benchmark::kMillisecond);

void BM_Frame_everythingBut_pictures(benchmark::State& state) {
    drawFrameWith(state, [](Scene& scene) {
        turnEverythingOn(scene);
        scene.overlay->visible[1] = scene.overlay->visible[8] = false;
    });
}
BENCHMARK(BM_Frame_everythingBut_pictures)->Unit(benchmark::kMillisecond);

// Each drawing layer of the table alone, and the heaviest frame without it.
void registerLayerBenchmarks() {
    for (const SceneLayer& layer : SCENE_LAYERS) {
        if (!layer.draws) continue;
        const auto flag = layer.flag;
        benchmark::RegisterBenchmark((std::string("BM_Frame_") + layer.keyword).c_str(),
                                     [flag](benchmark::State& state) {
                                         drawFrameWith(state, [flag](Scene& scene) { scene.*flag = true; });
                                     })
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("BM_Frame_everythingBut_") + layer.keyword).c_str(),
                                     [flag](benchmark::State& state) {
                                         drawFrameWith(state, [flag](Scene& scene) {
                                             turnEverythingOn(scene);
                                             scene.*flag = false;
                                         });
                                     })
            ->Unit(benchmark::kMillisecond);
    }
}

// Going to a moment exactly: the replay from the start with every update and draw
// from the random sequence, then the glow's captures and the lists of that moment.
void BM_SeekTo(benchmark::State& state) {
    const double ms = static_cast<double>(state.range(0));
    for (auto _ : state) {
        player.seek(ms);
        glFinish();
    }
}
BENCHMARK(BM_SeekTo)->Arg(30000)->Arg(100000)->Arg(141000)->Unit(benchmark::kMillisecond);

// The replay alone: the whole show's 8475 frames at 60 fps updated, with every draw
// from the random sequence, and nothing handed to the GL.
void BM_SkipWholeShow(benchmark::State& state) {
    for (auto _ : state) {
        player.seek(0.0);
        for (int frame = 0; frame < 8475; ++frame) player.frame(0, false);
    }
}
BENCHMARK(BM_SkipWholeShow)->Unit(benchmark::kMillisecond);

// A loop's lap: back to a kept moment, no replay.
void BM_ReturnToKeptMoment(benchmark::State& state) {
    player.seek(100000.0);
    const std::shared_ptr<const Moment> moment = player.keep();
    for (auto _ : state) {
        player.returnTo(*moment);
        glFinish();
    }
}
BENCHMARK(BM_ReturnToKeptMoment)->Unit(benchmark::kMillisecond);

// The script with "P:0 cameraDistance 7" before the first line of the pattern at
// `ms` (or a later one), so that it comes due at P:0, the queue keeping file order.
std::string withEventAt(const std::string& script, double ms) {
    const int64_t pattern = static_cast<int64_t>(ms / 1920.0);
    for (int64_t p = pattern; p < pattern + 8; ++p) {
        const size_t at = script.find("\n" + std::to_string(p) + ":");
        if (at != std::string::npos) {
            return script.substr(0, at + 1) + std::to_string(pattern) + ":0 cameraDistance 7\n" +
                   script.substr(at + 1);
        }
    }
    return script;
}

// Live reload at the end of the show: the script saved with one event changed
// `behind` ms before the play head (negative: ahead of it), taken and replayed.
// Runs in a scratch copy of the script; pictures and song stay the show's own.
void reloadWithChangeBehind(benchmark::State& state, bool checkpoints) {
    const double behindMs = static_cast<double>(state.range(0));
    const std::string original = slurp("data/script.txt");
    const std::string scratch = std::string(FLASHSTEP_SHOW_DIR) + "/reload-bench";
    std::filesystem::create_directories(scratch + "/data");
    for (const auto& entry : std::filesystem::directory_iterator("data")) {
        const std::filesystem::path link = scratch + "/data/" + entry.path().filename().string();
        if (!std::filesystem::exists(link))
            std::filesystem::create_symlink(std::filesystem::absolute(entry.path()), link);
    }
    std::filesystem::remove(scratch + "/data/script.txt");
    std::ofstream(scratch + "/data/script.txt") << original;
    const std::filesystem::path home = std::filesystem::current_path();
    std::filesystem::current_path(scratch);
    player.seek(140000.0);
    if (checkpoints) player.frame(0);
    const std::string changed = withEventAt(original, 140000.0 - behindMs);
    bool flip = false;
    for (auto _ : state) {
        std::ofstream(scratch + "/data/script.txt") << (flip ? original : changed);
        flip = !flip;
        ShowChanges changes;
        changes.script = true;
        player.reload(changes);
        player.frame(0);
        glFinish();
    }
    std::filesystem::current_path(home);
    std::filesystem::remove_all(scratch);
}
void BM_ReloadScript(benchmark::State& state) {
    reloadWithChangeBehind(state, false);
}
BENCHMARK(BM_ReloadScript)->Arg(-5000)->Arg(10000)->Arg(140000)->Unit(benchmark::kMillisecond);

// Reading a finished frame back, as the capture does.
void BM_ReadFrame_rgba(benchmark::State& state) {
    std::vector<uint8_t> pixels;
    for (auto _ : state) {
        readFramePixels(window.width, window.height, pixels);
        benchmark::DoNotOptimize(pixels.data());
    }
}
BENCHMARK(BM_ReadFrame_rgba)->Unit(benchmark::kMillisecond);

// The same read in the other pixel order, to see whether the GL prefers one.
void BM_ReadFrame_bgra(benchmark::State& state) {
    std::vector<uint8_t> pixels(static_cast<size_t>(window.width) * window.height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    for (auto _ : state) {
        glReadPixels(0, 0, window.width, window.height, GL_BGRA, GL_UNSIGNED_BYTE, pixels.data());
        benchmark::DoNotOptimize(pixels.data());
    }
}
BENCHMARK(BM_ReadFrame_bgra)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    if (!show.open(FLASHSTEP_SHOW_DIR)) return 1;
    registerLayerBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    show.close();
    return 0;
}
