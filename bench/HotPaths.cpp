// flashstep_bench: Google Benchmark timings of the show's hot pieces on the real
// show data and a real offscreen Mesa context: script loading, a sync action's
// list compilation, one frame of each layer alone, and the heaviest frame with and
// without each layer. Run from the build folder.
#include <GL/gl.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <vector>

#include "app/MessageBox.h"
#include "app/Shell.h"
#include "demo/Demo.h"
#include "demo/DemoState.h"
#include "demo/Random.h"
#include "demo/RunOptions.h"
#include "scene/BeadLists.h"

namespace {

Application application;
KeyState keys;
GLWindow window;

void allLayersOff(Scene& scene) {
    scene.palikatOn = scene.wireframeOn = scene.elektroOn = scene.putkiOn = scene.hohtoOn = false;
    scene.kummaOn = scene.rgbhohtoOn = scene.lorenzOn = scene.scaledOn = scene.titleImagesOn = false;
    for (bool& visible : scene.overlay->visible) visible = false;
}

// One whole frame (clear, camera, scene, overlay) with only what `turnOn` switches on.
void drawFrameWith(benchmark::State& state, const std::function<void(Scene&)>& turnOn) {
    Scene& scene = *demo::scene;
    allLayersOff(scene);
    turnOn(scene);
    for (auto _ : state) {
        demoUpdate(16);
        demoDraw();
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

void BM_CompilePalikatList(benchmark::State& state) {
    for (auto _ : state) compilePalikatList(*demo::scene, 5.0f);
    glFinish();
}
BENCHMARK(BM_CompilePalikatList)->Unit(benchmark::kMicrosecond);

void BM_CompileKummaList(benchmark::State& state) {
    for (auto _ : state) compileKummaList(*demo::scene, 5.0f);
    glFinish();
}
BENCHMARK(BM_CompileKummaList)->Unit(benchmark::kMicrosecond);

void BM_FrameEmpty(benchmark::State& state) {
    drawFrameWith(state, [](Scene&) {});
}
BENCHMARK(BM_FrameEmpty)->Unit(benchmark::kMillisecond);

#define LAYER_FRAME(name, body)                           \
    void BM_Frame_##name(benchmark::State& state) {       \
        drawFrameWith(state, [](Scene& scene) { body; }); \
    }                                                     \
    BENCHMARK(BM_Frame_##name)->Unit(benchmark::kMillisecond);

LAYER_FRAME(palikat, scene.palikatOn = true)
LAYER_FRAME(wireframe, scene.wireframeOn = true)
LAYER_FRAME(elektro, scene.elektroOn = true)
LAYER_FRAME(putki, scene.putkiOn = true)
LAYER_FRAME(hohto, scene.hohtoOn = true)
LAYER_FRAME(hohtoRgb, scene.hohtoOn = scene.rgbhohtoOn = true)
LAYER_FRAME(kumma, scene.kummaOn = true)
LAYER_FRAME(lorenz, scene.lorenzOn = true)
LAYER_FRAME(overlayPicture, scene.overlay->visible[0] = true)

// The show's heaviest moments: every layer on, stretched shells, two pictures; the
// same random lists every time, so that leaving one layer out gives its cost there.
void turnEverythingOn(Scene& scene) {
    scene.palikatOn = scene.wireframeOn = scene.elektroOn = scene.putkiOn = scene.hohtoOn = true;
    scene.kummaOn = scene.rgbhohtoOn = scene.lorenzOn = scene.scaledOn = true;
    scene.overlay->visible[1] = scene.overlay->visible[8] = true;
    randomSeed(1);
    scene.syncAction();  // the stretch is compiled into the lists
}
LAYER_FRAME(everything, turnEverythingOn(scene))
LAYER_FRAME(everythingBut_palikat, turnEverythingOn(scene); scene.palikatOn = false)
LAYER_FRAME(everythingBut_wireframe, turnEverythingOn(scene); scene.wireframeOn = false)
LAYER_FRAME(everythingBut_elektro, turnEverythingOn(scene); scene.elektroOn = false)
LAYER_FRAME(everythingBut_putki, turnEverythingOn(scene); scene.putkiOn = false)
LAYER_FRAME(everythingBut_hohto, turnEverythingOn(scene); scene.hohtoOn = false)
LAYER_FRAME(everythingBut_kumma, turnEverythingOn(scene); scene.kummaOn = false)
LAYER_FRAME(everythingBut_rgbhohto, turnEverythingOn(scene); scene.rgbhohtoOn = false)
LAYER_FRAME(everythingBut_lorenz, turnEverythingOn(scene); scene.lorenzOn = false)
LAYER_FRAME(everythingBut_pictures, turnEverythingOn(scene);
            scene.overlay->visible[1] = scene.overlay->visible[8] = false)

// Reading a finished frame back, as the capture does, in two pixel orders.
void readFrameBack(benchmark::State& state, GLenum format) {
    std::vector<uint8_t> pixels(static_cast<size_t>(window.width) * window.height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    for (auto _ : state) {
        glReadPixels(0, 0, window.width, window.height, format, GL_UNSIGNED_BYTE, pixels.data());
        benchmark::DoNotOptimize(pixels.data());
    }
}
void BM_ReadFrame_rgba(benchmark::State& state) {
    readFrameBack(state, GL_RGBA);
}
BENCHMARK(BM_ReadFrame_rgba)->Unit(benchmark::kMillisecond);
void BM_ReadFrame_bgra(benchmark::State& state) {
    readFrameBack(state, GL_BGRA);
}
BENCHMARK(BM_ReadFrame_bgra)->Unit(benchmark::kMillisecond);

// The player's own window and demo start-up, offscreen.
bool openShow() {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setMessagesToStderr(true);
    runOptions().frames = 1;  // a virtual music clock, no sound device
    window.keys = &keys;
    window.app = &application;
    window.fullscreen = false;
    if (!registerWindowClass(application) || !openGLWindow(window)) return false;
    return demoInit(window, keys);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    if (chdir(FLASHSTEP_SHOW_DIR) != 0 || !openShow()) {
        std::fprintf(stderr, "flashstep_bench: cannot open the show in %s\n", FLASHSTEP_SHOW_DIR);
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    demoShutdown();
    closeGLWindow(window);
    unregisterWindowClass(application);
    return 0;
}
