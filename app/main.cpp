// flashstep: the entry point. Without options it is the plain show (it asks
// whether to run full screen); the options add a deterministic, traceable run.
#include <CLI/CLI.hpp>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

#include "app/Shell.h"
#include "app/ToggleSignal.h"
#include "demo/RunOptions.h"

namespace {

void addOptions(CLI::App& cli, RunOptions& options) {
    auto* windowed = cli.add_flag_callback(
        "--windowed", [&options] { options.screen = ScreenChoice::Windowed; }, "Run in a window; don't ask");
    auto* fullscreen = cli.add_flag_callback(
        "--fullscreen", [&options] { options.screen = ScreenChoice::Fullscreen; }, "Run full screen; don't ask");
    windowed->excludes(fullscreen);
    cli.add_option("--frames", options.frames,
                   "Run exactly N frames on a virtual music clock, offscreen and silent, then exit")
        ->check(CLI::PositiveNumber);
    cli.add_option("--dt", options.dtMs, "Frame time in milliseconds for --frames (default 16)")
        ->check(CLI::Range(0u, 60000u));
    cli.add_flag("--trace", options.trace, "Print one line of driver state per frame on standard output");
    cli.add_option("--data", options.dataDir, "Change into DIR before loading (DIR holds data/)");
}

}  // namespace

int main(int argc, char** argv) {
    blockToggleSignal();  // before any thread exists, so only the listener receives it

    RunOptions& options = runOptions();
    CLI::App cli{"flashstep: a real-time audiovisual demo"};
    addOptions(cli, options);
    CLI11_PARSE(cli, argc, argv);

    if (!options.dataDir.empty() && chdir(options.dataDir.c_str()) != 0) {
        std::fprintf(stderr, "flashstep: cannot change into %s: %s\n", options.dataDir.c_str(), std::strerror(errno));
        return 1;
    }
    if (options.trace) std::setvbuf(stdout, nullptr, _IOLBF, 0);  // tools follow the trace live
    return runShell();
}
