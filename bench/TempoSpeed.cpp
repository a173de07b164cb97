// Finding a song's tempo and first beat: a 3-minute song decoded alone, and decoded
// and heard by aubio with the grid fitted, which is what --new --song spends on it;
// and the grid found in songs of known tempo, as counters (bpm, first beat in ms).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <numeric>
#include <string>
#include <vector>

#include "generator/Arrangement.h"
#include "generator/Mix.h"
#include "generator/Song.h"
#include "generator/SongStructure.h"
#include "sound/SongReader.h"
#include "sound/SongTempo.h"
#include "tests/support/BeatSong.h"

namespace fs = std::filesystem;

namespace {

const fs::path FOLDER = fs::temp_directory_path() / "flashstep-tempo-bench";

// Three minutes of the generator's own music at 125 bpm: the whole example song's
// patterns, then the drop's again; after `silence` seconds of nothing.
std::string generatedThreeMinutes(double silence = 0.0) {
    const std::string path = (FOLDER / ("generated-3min-" + std::to_string(silence) + ".ogg")).string();
    if (fs::exists(path)) return path;
    std::vector<int> patterns(song::SONG_PATTERNS);
    std::iota(patterns.begin(), patterns.end(), 0);
    for (int p = 16; p < 38; ++p) patterns.push_back(p);
    SongBuses buses = arrange(patterns);
    StereoBuffer mixed = mixSong(buses, buses.drums.frames());
    master(mixed, MASTER_CEILING);
    const auto lead = static_cast<std::size_t>(silence * song::SAMPLE_RATE);
    StereoBuffer delayed(lead + mixed.frames());
    for (std::size_t i = 0; i < mixed.frames(); ++i) delayed.add(lead + i, mixed.left[i], mixed.right[i]);
    writeSong(path, delayed);
    return path;
}

std::string beatSong(const std::string& name, double bpm, double leadIn) {
    const std::string path = (FOLDER / name).string();
    if (!fs::exists(path)) writeBeatSong(path, {bpm, leadIn, 180.0, true});
    return path;
}

void BM_DecodeOnly_3MinuteOgg(benchmark::State& state) {
    const std::string path = generatedThreeMinutes();
    std::vector<float> frames;
    for (auto _ : state) {
        SongReader song(path);
        std::size_t total = 0;
        while (song.read(frames, 8192)) total += frames.size();
        benchmark::DoNotOptimize(total);
    }
}

// The grid of one song: the time it takes, and what it found against the truth.
void BM_FindSongTempo(benchmark::State& state, const std::string& path, double bpm, double firstBeat) {
    SongTempo grid;
    for (auto _ : state) {
        std::string error;
        const std::optional<HeardSong> heard = listenToSong(path, error);
        if (!heard) {
            state.SkipWithError(error.c_str());
            return;
        }
        grid = fitSongTempo(*heard, std::nullopt).value_or(SongTempo{});
    }
    state.counters["bpm_true"] = bpm;
    state.counters["bpm_found"] = grid.bpm;
    state.counters["first_ms_true"] = firstBeat * 1000.0;
    state.counters["first_ms_found"] = grid.firstBeatSeconds * 1000.0;
}

}  // namespace

int main(int argc, char** argv) {
    fs::create_directories(FOLDER);
    benchmark::RegisterBenchmark("BM_DecodeOnly_3MinuteOgg", BM_DecodeOnly_3MinuteOgg)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_FindSongTempo/generated_125bpm_3min_ogg", BM_FindSongTempo,
                                 generatedThreeMinutes(), 125.0, 0.0)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_FindSongTempo/generated_125bpm_3min_after_1234ms_ogg", BM_FindSongTempo,
                                 generatedThreeMinutes(1.234), 125.0, 1.234)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_FindSongTempo/kicks_90bpm_3min_wav", BM_FindSongTempo,
                                 beatSong("kicks-90.wav", 90, 2.345), 90.0, 2.345)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_FindSongTempo/kicks_140bpm_3min_flac", BM_FindSongTempo,
                                 beatSong("kicks-140.flac", 140, 0.8), 140.0, 0.8)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
