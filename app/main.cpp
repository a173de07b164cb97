// flashstep: the entry point. Without options it is the plain show (it asks
// whether to run full screen); the options add a deterministic, traceable run,
// frame-exact capture to a video, a benchmark of the whole show, the tools and a
// new show of one's own.

#include <CLI/CLI.hpp>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>

#include "app/DisplayCheck.h"
#include "app/OptionChecks.h"
#include "app/OutsideSignals.h"
#include "app/RunOptions.h"
#include "app/ScaleOptions.h"
#include "app/Shell.h"
#include "app/ShiftCommand.h"
#include "app/ShowFolder.h"
#include "app/TimeOptions.h"
#include "check/CheckCommand.h"
#include "offscreen/Benchmark.h"
#include "offscreen/Capture.h"
#include "offscreen/Join.h"
#include "offscreen/RangeSplit.h"
#include "timeline/TimelineCommand.h"

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
    cli.add_option("--start", options.start,
                   "Start drawing at TIME, the show replayed exactly up to it: beats (96, 12.5), "
                   "pattern:beat (24:0) or seconds (92.5s, 1500ms); before the song's end (with --frames, "
                   "up to an hour)")
        ->type_name("TIME");
}

void addToolOptions(CLI::App& cli, RunOptions& options) {
    auto* check =
        cli.add_flag("--check", options.check,
                     "Check data/script.txt, data/coords.txt, the song and the pictures; one finding "
                     "per line (FILE:LINE:COLUMN: error|warning|note: TEXT; FILE alone for a whole "
                     "file); exit 1 on an error");
    auto* timeline =
        cli.add_option("--timeline", options.timelineFile,
                       "Draw the whole show's timeline to FILE (.png, .svg, .pdf, .html or .json)")
            ->type_name("FILE");
    cli.add_option("--bench", options.benchReport,
                   "With --timeline: a lane of frame cost from a --benchmark --json report")
        ->type_name("REPORT")
        ->needs(timeline);
    check->excludes(timeline);
    for (const char* show : {"--frames", "--capture", "--benchmark", "--start", "--trace"}) {
        check->excludes(show);
        timeline->excludes(show);
    }
}

void addShiftOptions(CLI::App& cli, RunOptions& options) {
    auto* shift = cli.add_option("--shift", options.shift,
                                 "Move every event of data/script.txt at or after FROM by BY (times as for "
                                 "--start; BY may be negative, e.g. -2:0), rewriting only their time words")
                      ->type_name("FROM BY")
                      ->type_size(2)
                      ->expected(1);
    cli.add_flag("--dry-run", options.dryRun, "With --shift: print the change as a unified diff; write nothing")
        ->needs(shift);
    for (const char* other : {"--frames", "--capture", "--benchmark", "--start", "--trace", "--check", "--timeline",
                              "--edit", "--join", "--split"})
        shift->excludes(other);
}

void addEditOptions(CLI::App& cli, RunOptions& options) {
    auto* edit = cli.add_flag("--edit", options.edit,
                              "Authoring mode in a window: Space pauses, Left/Right go a pattern (Shift: a "
                              "beat), Home to the start, [ and ] set a loop, L switches it; a status line");
    cli.add_option("--loop", options.loop, "Start --edit looping from A to B (times as for --start)")
        ->type_name("A..B")
        ->needs(edit);
    cli.add_option("--ui-scale", options.uiScale,
                   "Size of --edit's letters and panels, 0.5 to 4 (default: from the display's dots per inch)")
        ->type_name("F")
        ->check(CLI::Range(0.5f, 4.0f))
        ->needs(edit);
    edit->excludes("--frames")->excludes("--capture")->excludes("--benchmark");
}

void addFillOption(CLI::App& cli, RunOptions& options) {
    auto* fill = cli.add_flag("--fill", options.fill,
                              "Full screen at the desktop's own size, the picture drawn at that size (4:3, "
                              "black bars); don't ask");
    for (const char* other : {"--windowed", "--fullscreen", "--edit", "--frames", "--capture", "--benchmark"})
        fill->excludes(other);
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
    cli.add_flag("--json", options.json, "Give the report of --benchmark or --check as JSON");
    cli.add_flag("--quiet", options.quiet, "No progress bar for --capture and --benchmark");
    cli.add_flag("--no-sound", options.noSound,
                 "A video (--capture, --join) without sound, also when the song cannot be read");
    cli.add_option(
           "--end", options.end,
           "End --capture or --benchmark before TIME (a time as for --start; default: the song's end)")
        ->type_name("TIME")
        ->each([benchmark, capture, &cli](const std::string&) {
            if (capture->count() == 0 && benchmark->count() == 0 && cli.get_option("--split")->count() == 0)
                throw CLI::ValidationError("--end", "needs --capture, --benchmark or --split");
        });
    capture->excludes(benchmark);
    dt->excludes(capture)->excludes(benchmark);
    cli.callback([&options, fps] {
        if (fps->count() > 0 && !options.fixedRate()) {
            throw CLI::ValidationError("--fps", "needs --capture or --benchmark");
        }
    });
}

void addNewShowOptions(CLI::App& cli, RunOptions& options) {
    auto* newShow = cli.add_option("--new", options.newShow.folder,
                                   "Write a complete new show into DIR (new or empty) and exit: script, "
                                   "coordinates, placeholder pictures, a song, README.txt")
                        ->type_name("DIR");
    auto* song = cli.add_option("--song", options.newShow.songFile,
                                "With --new: the show's song (any format the player reads), copied in; its "
                                "tempo and first beat found from the audio")
                     ->type_name("FILE")
                     ->needs(newShow);
    cli.add_option("--bpm", options.newShowBpm, "With --new --song: the song's tempo, instead of the one found")
        ->type_name("N")
        ->check(wholeNumberFrom(1, 1000))
        ->needs(song);
    for (const char* other : {"--frames", "--capture", "--benchmark", "--start", "--trace", "--check",
                              "--timeline", "--edit", "--data", "--split", "--join", "--shift"})
        newShow->excludes(other);
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
    addScaleOptions(cli, options);
    addToolOptions(cli, options);
    addEditOptions(cli, options);
    addFillOption(cli, options);
    addShiftOptions(cli, options);
    addNewShowOptions(cli, options);
    auto* dtOption = cli.get_option("--dt");
    CLI11_PARSE(cli, argc, argv);
    options.fixedFrameTime = dtOption->count() > 0;
    if (options.json && !options.benchmark && !options.check) {
        return cli.exit(CLI::ValidationError("--json", "needs --benchmark or --check"));
    }

    if (!options.newShow.folder.empty()) {
        if (options.newShowBpm > 0) options.newShow.bpm = static_cast<int32_t>(options.newShowBpm);
        return writeNewShow(options.newShow, std::cout, std::cerr);
    }
    // Output names are meant from where we were started, not from the data folder.
    for (std::string* file : {&options.captureFile, &options.timelineFile, &options.benchReport}) {
        if (!file->empty()) *file = std::filesystem::absolute(*file).string();
    }
    for (std::string& file : options.join) file = std::filesystem::absolute(file).string();
    const bool tool =
        options.check || !options.timelineFile.empty() || !options.join.empty() || !options.shift.empty();
    // A window run without a display would play to nobody: said before anything else.
    if (!tool && !options.fixedRate() && !options.deterministic() && !requireDisplay()) return 1;
    // --shift rewrites the show it is pointed at, never the data set installed with the player.
    if (!options.shift.empty() && options.dataDir.empty()) options.dataDir = ".";
    if (!enterShowFolder(options.dataDir)) return 1;
    if (options.check) return runCheckCommand(options.json, stdout);
    if (!options.shift.empty()) return runShiftCommand(options.shift[0], options.shift[1], options.dryRun);
    if (!options.timelineFile.empty()) return runTimelineCommand(options.timelineFile, options.benchReport);
    if (!options.join.empty()) {
        const OutsideSignalListener signalListener;  // a stop ends the join, its output as it was
        return runJoin(
            {options.join[0], {options.join.begin() + 1, options.join.end()}, !options.noSound, stopRequested});
    }
    warnIfScriptMissing();
    try {
        resolveTimes(options);
        checkSizeAgainstGl(options);
    } catch (const CLI::Error& error) {
        return cli.exit(error);
    }
    const OutsideSignalListener signalListener;
    if (options.trace) std::setvbuf(stdout, nullptr, _IOLBF, 0);  // tools follow the trace live
    const RunPlan plan = runPlanFor(options);
    const PlanRunner runOffscreen = [&options](const RunPlan& offscreenPlan) {
        return runShell(ShellRun{options.screen, offscreenPlan, true, {}});
    };
    const ShowRange range{options.startMs, options.endMs};
    if (options.split > 0) return runSplit(options.split, range, plan);
    if (!options.captureFile.empty())
        return runCapture({options.captureFile, options.quiet, options.encoding, !options.noSound}, range, plan,
                          runOffscreen);
    if (options.benchmark)
        return runBenchmark({options.json, options.quiet, processStart}, range, plan, runOffscreen);
    ShellRun run{options.screen, plan, options.deterministic(), {}};
    run.edit = EditOptions{options.edit, options.loopStartMs, options.loopEndMs, options.uiScale};
    if (options.edit && options.screen == ScreenChoice::Ask) run.screen = ScreenChoice::Windowed;
    run.fill = options.fill;
    if (options.fill) run.screen = ScreenChoice::Fullscreen;
    return runShell(run);
}
