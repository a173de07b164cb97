// Speed of the show check: a 1000-event script checked from text (the target is under 5 ms),
// next to the loader reading the same script; and the whole check of the generated show, whose
// pictures are read to their headers only, next to decoding those pictures whole.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <string>

#include "check/ScriptCheck.h"
#include "check/ShowCheck.h"
#include "gfx/Image.h"
#include "scene/ScenePictures.h"
#include "script/DemoScript.h"

namespace {

const char* const KEYWORDS[] = {
    "hohto on", "showImage 8", "nextPiece 8", "rotateSpeed 0.3",   "syncPattern %x...x...x...x...",
    "fadeIn 6", "sync on",     "lorenz off",  "cameraDistance 14", "hideImage 3"};

// A show-like script: header, comment lines between sections, pattern:beat times in order.
std::string thousandEventScript() {
    std::string text =
        "# a benchmark show\ninit bpm 125\ninit patternLength 16\ninit patternSpeed 4\n"
        "init songfile data/song.ogg\n";
    for (int i = 0; i < 1000; ++i) {
        if (i % 25 == 0) text += "\n# section " + std::to_string(i / 25) + ": what happens next\n";
        text += std::to_string(i / 16) + ":" + std::to_string((i % 16) / 4) + " " + KEYWORDS[i % 10];
        text += i % 7 == 0 ? " # a note\n" : "\n";
    }
    return text + "70:0 end 0\n";
}

void BM_CheckScript_1000Events(benchmark::State& state) {
    const std::string text = thousandEventScript();
    ShowFacts facts = showFactsWithoutFiles();
    facts.songSeconds = 600.0;
    size_t findings = 0;
    for (auto _ : state) {
        const std::vector<Finding> result = checkScriptText(text, facts);
        findings = result.size();
        benchmark::DoNotOptimize(result.data());
    }
    state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_CheckScript_1000Events)->Unit(benchmark::kMillisecond);

void BM_LoadScript_1000Events(benchmark::State& state) {
    const std::string path = std::filesystem::temp_directory_path() / "flashstep-check-bench-script.txt";
    std::ofstream(path, std::ios::binary) << thousandEventScript();
    for (auto _ : state) {
        const auto script = std::make_unique<DemoScript>(path.c_str());
        benchmark::DoNotOptimize(script->eventCount);
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_LoadScript_1000Events)->Unit(benchmark::kMillisecond);

// Runs with the generated show's folder as the working directory, as the player does.
class InShowFolder {
public:
    InShowFolder() : before_(std::filesystem::current_path()) {
        std::filesystem::current_path(FLASHSTEP_SHOW_DIR);
    }
    ~InShowFolder() { std::filesystem::current_path(before_); }

private:
    std::filesystem::path before_;
};

void BM_CheckShow(benchmark::State& state) {
    const InShowFolder folder;
    for (auto _ : state) benchmark::DoNotOptimize(checkShow().size());
}
BENCHMARK(BM_CheckShow)->Unit(benchmark::kMillisecond);

void BM_DecodeShowPictures(benchmark::State& state) {
    const InShowFolder folder;
    std::set<std::string> files;
    for (const PictureLoad& load : showPictureLoads()) {
        files.insert(load.fileName);
        if (load.maskFileName[0] != '\0') files.insert(load.maskFileName);
    }
    for (auto _ : state) {
        for (const std::string& file : files) {
            int32_t width = 0, height = 0, bytesPerPixel = 0;
            benchmark::DoNotOptimize(loadImage(file.c_str(), width, height, bytesPerPixel).get());
        }
    }
}
BENCHMARK(BM_DecodeShowPictures)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
