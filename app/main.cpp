// flashstep: the entry point. Without options it is the plain show (it asks
// whether to run full screen); the options add a deterministic, traceable run,
// frame-exact capture to a video and a benchmark of the whole show.

#include <CLI/CLI.hpp>
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "app/DisplayCheck.h"
#include "app/OptionChecks.h"
#include "app/OutsideSignals.h"
#include "app/RunOptions.h"
#include "app/Shell.h"
#include "app/ShowFolder.h"
#include "offscreen/Benchmark.h"
#include "offscreen/Capture.h"

namespace {

void addRunOptions(CLI::App& cli, RunOptions& options) {
    auto* windowed = cli.add_flag_callback(
        "--windowed", [&options] { options.screen = ScreenChoice::Windowed; }, "Run in a window; don't ask");
    auto* fullscreen = cli.add_flag_callback(
        "--fullscreen", [&options] { options.screen = ScreenChoice::Fullscreen; },
        "Run full screen; don't ask");
    windowed->excludes(fullscreen);
    cli.add_option(
           "--frames", options.frames,
           "Run exactly N frames (1 or more) on a virtual music clock, offscreen and silent, then exit")
        ->type_name("N")
        ->check(wholeNumberFrom(1));
    cli.add_flag("--trace", options.trace, "Print one line of driver state per frame on standard output");
    cli.add_option("--data", options.dataDir, "Change into DIR before loading (DIR holds data/)")
        ->type_name("DIR");
}

void addCaptureOptions(CLI::App& cli, RunOptions& options) {
    auto* dt = cli.add_option("--dt", options.dtMs,
                              "Frame time in milliseconds for --frames, 1 to 60000 (default 16)")
                   ->type_name("MS")
                   ->check(wholeNumberFrom(1, 60000));
    auto* capture =
        cli.add_option("--capture", options.captureFile,
                       "Render the show offscreen to FILE (.mp4, .mkv, .webm; a name with % gives "
                       "numbered PNG frames) with the song as its sound track")
            ->type_name("FILE");
    auto* benchmark =
        cli.add_flag("--benchmark", options.benchmark,
                     "Render the whole show offscreen as fast as possible and report frame times");
    auto* fps = cli.add_option("--fps", options.fps,
                               "Frames per second of --capture and --benchmark, 1 to 1000 (default 60)")
                    ->type_name("N")
                    ->check(wholeNumberFrom(1, 1000));
    cli.add_flag("--json", options.json, "Give the benchmark's report as one JSON object")->needs(benchmark);
    cli.add_flag("--quiet", options.quiet, "No progress bar for --capture and --benchmark");
    cli.add_flag("--no-sound", options.noSound, "A video without sound, also when the song cannot be read")
        ->needs(capture);
    capture->excludes(benchmark);
    dt->excludes(capture)->excludes(benchmark);
    cli.callback([&options, fps] {
        if (fps->count() > 0 && !options.fixedRate()) {
            throw CLI::ValidationError("--fps", "needs --capture or --benchmark");
        }
    });
}

}  // namespace

int main(int argc, char** argv) {
    const auto processStart = std::chrono::steady_clock::now();
    blockOutsideSignals();  // before any thread exists, so only the listener receives them

    RunOptions options;
    CLI::App cli{"flashstep: a real-time audiovisual demo",
                 "flashstep"};  // not argv[0]: --help makes the manual
    cli.set_version_flag("--version", "flashstep " FLASHSTEP_VERSION);
    cli.get_formatter()->column_width(32);  // room for "--no-sound Needs: --capture"
    addRunOptions(cli, options);
    addCaptureOptions(cli, options);
    CLI11_PARSE(cli, argc, argv);

    // The capture's name is meant from where we were started, not from the data folder.
    if (!options.captureFile.empty())
        options.captureFile = std::filesystem::absolute(options.captureFile).string();
    // A window run without a display would play to nobody: said before anything else.
    if (!options.fixedRate() && !options.deterministic() && !requireDisplay()) return 1;
    if (!enterShowFolder(options.dataDir)) return 1;
    warnIfScriptMissing();
    const OutsideSignalListener signalListener;
    if (options.trace) std::setvbuf(stdout, nullptr, _IOLBF, 0);  // tools follow the trace live
    const RunPlan plan = runPlanFor(options);
    const PlanRunner runOffscreen = [&options](const RunPlan& offscreenPlan) {
        return runShell(ShellRun{options.screen, offscreenPlan});
    };
    if (!options.captureFile.empty())
        return runCapture({options.captureFile, options.quiet, !options.noSound}, plan, runOffscreen);
    if (options.benchmark) return runBenchmark({options.json, options.quiet, processStart}, plan, runOffscreen);
    return runShell(ShellRun{options.screen, plan});
}
