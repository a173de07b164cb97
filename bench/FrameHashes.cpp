// flashstep_frame_hashes: runs the player's deterministic fixed-rate run (as capture
// and benchmark do) and writes one hash per frame, so a change made for speed can
// be shown to leave every pixel as it was. With --trace the trace goes to stdout.
#include <GL/gl.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "app/Shell.h"
#include "app/ToggleSignal.h"
#include "gfx/FrameReadback.h"
#include "player/ShowLength.h"

namespace {

// FNV-1a over 64-bit words: fast enough for a whole show, and stable across runs.
uint64_t hashPixels(const std::vector<uint8_t>& pixels) {
    uint64_t hash = 1469598103934665603ull;
    for (size_t i = 0; i + 8 <= pixels.size(); i += 8) {
        uint64_t word = 0;
        for (int b = 0; b < 8; ++b) word |= static_cast<uint64_t>(pixels[i + b]) << (8 * b);
        hash = (hash ^ word) * 1099511628211ull;
    }
    return hash;
}

class FrameHasher : public FrameObserver {
public:
    explicit FrameHasher(FILE* output) : out(output) {}

    bool frameDrawn(const PlayerFrame& frame) override {
        readFramePixels(frame.window.width, frame.window.height, pixels);
        std::fprintf(out, "%lld %016llx\n", static_cast<long long>(frame.number),
                     static_cast<unsigned long long>(hashPixels(pixels)));
        return true;
    }

    FILE* out = nullptr;
    std::vector<uint8_t> pixels;
};

}  // namespace

int main(int argc, char** argv) {
    ShellRun run;
    run.screen = ScreenChoice::Windowed;
    run.offscreen = true;
    // The capture's and benchmark's schedule: frame k at round(k * 1000 / fps) ms.
    run.plan.clock = FrameClock::Schedule;
    std::string outFile = "frame-hashes.txt";
    std::string dataDir;
    CLI::App cli{"Hash every frame of the show's deterministic fixed-rate run"};
    cli.add_option("--frames", run.plan.frames, "Frames to run (default: the whole song)");
    cli.add_option("--start-ms", run.plan.startMs,
                   "Replay up to the first frame at or after this song time (ms), then hash from there");
    cli.add_option("--fps", run.plan.fps, "Frames per second (default 60)")->check(CLI::Range(1u, 1000u));
    cli.add_option("--data", dataDir, "Change into DIR before loading (DIR holds data/)");
    cli.add_option("--out", outFile, "Where the hashes go (default frame-hashes.txt)");
    cli.add_flag("--trace", run.plan.trace, "Print the trace on standard output");
    blockToggleSignal();  // as the player does: only the shell's listener takes it
    CLI11_PARSE(cli, argc, argv);
    FILE* out = std::fopen(outFile.c_str(), "w");
    if (out == nullptr || (!dataDir.empty() && chdir(dataDir.c_str()) != 0)) {
        std::perror("flashstep_frame_hashes");
        return 1;
    }
    if (!settleFrameCount(run.plan, readShowSong())) return 1;
    FrameHasher hasher(out);
    run.plan.observers.push_back(&hasher);
    const int code = runShell(run);
    std::fclose(out);
    return code;
}
