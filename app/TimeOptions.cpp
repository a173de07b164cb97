// Time words against the song's length. The song is measured only when a time
// was given, so the plain show starts as fast as ever.
#include "app/TimeOptions.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <optional>
#include <string>

#include "clock/FrameSchedule.h"
#include "player/ShowLength.h"
#include "player/ShowTime.h"
#include "script/DemoScript.h"

namespace {

// The latest time a run may start before, and end at (the end of the frame in which
// the song ends: where a capture of the whole show ends), with how to say them.
struct TimeBound {
    double startMs = LATEST_START_MS;
    double endMs = LATEST_START_MS;
    std::string name = "an hour, the latest a run may start";
};

constexpr uint32_t HEARD_REPLAY_FPS = 60;

std::string secondsText(double ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f s", ms / 1000.0);
    return text;
}

TimeBound boundOf(const RunOptions& options) {
    const bool given = !options.start.empty() || !options.end.empty() || !options.loop.empty();
    const double songSeconds = given ? readShowSong().seconds : -1.0;
    if (songSeconds < 0.0) return {};
    // A run that counts its own frames may go on past the song, silent.
    if (options.deterministic() && options.end.empty() && options.loop.empty()) return {};
    const uint32_t fps = options.fixedRate() ? options.fps : HEARD_REPLAY_FPS;
    const double lastFrameEndMs =
        static_cast<double>(fixedRateFrameStartMs(framesToCover(songSeconds, fps), fps));
    return {songSeconds * 1000.0, lastFrameEndMs, "the song's end at " + secondsText(songSeconds * 1000.0)};
}

class TimeReader {
public:
    TimeReader(const DemoScript& script, TimeBound bound) : script_(script), bound_(std::move(bound)) {}

    // A moment the run may start at: before the bound.
    double start(const std::string& option, const std::string& text) const {
        const double ms = read(option, text);
        if (ms >= bound_.startMs) refuse(option, text, "is not before " + bound_.name);
        return ms;
    }

    // A moment the run may end at: at the bound at the latest.
    double end(const std::string& option, const std::string& text) const {
        const double ms = read(option, text);
        if (ms > bound_.endMs) refuse(option, text, "is past " + bound_.name);
        return ms;
    }

private:
    double read(const std::string& option, const std::string& text) const {
        const std::optional<double> ms = showTimeMs(text, script_);
        if (!ms) {
            refuse(option, text,
                   "is not a time: give beats (96, 12.5), pattern:beat (24:0) or seconds with a unit "
                   "(92.5s, 1500ms)");
        }
        return *ms;
    }

    [[noreturn]] static void refuse(const std::string& option, const std::string& text, const std::string& why) {
        throw CLI::ValidationError(option, "'" + text + "' " + why);
    }

    const DemoScript& script_;
    TimeBound bound_;
};

}  // namespace

void resolveTimes(RunOptions& options) {
    const DemoScript script(DemoScript::SCRIPT_FILE);
    const TimeReader times(script, boundOf(options));
    if (!options.start.empty()) options.startMs = times.start("--start", options.start);
    if (!options.end.empty()) {
        options.endMs = times.end("--end", options.end);
        if (options.endMs <= options.startMs) throw CLI::ValidationError("--end", "must come after --start");
    }
    if (!options.loop.empty()) {
        const size_t dots = options.loop.find("..");
        if (dots == std::string::npos) throw CLI::ValidationError("--loop", "give it as A..B");
        options.loopStartMs = times.start("--loop", options.loop.substr(0, dots));
        options.loopEndMs = times.end("--loop", options.loop.substr(dots + 2));
        if (options.loopEndMs <= options.loopStartMs)
            throw CLI::ValidationError("--loop", "its end must come after its start");
    }
}
