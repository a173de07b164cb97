// Runs the timeline command: checks the output's form first so a typo costs
// nothing, then loads the script as the player does, decodes the song, runs the
// show check for its findings, reads the optional benchmark report, and writes.
#include "timeline/TimelineCommand.h"

#include <cstdio>
#include <fstream>
#include <memory>
#include <optional>

#include "base/Printable.h"
#include "check/ShowCheck.h"
#include "script/DemoScript.h"
#include "timeline/ScriptLines.h"
#include "timeline/SongWaveform.h"
#include "timeline/TimelineBuild.h"
#include "timeline/TimelineFonts.h"
#include "timeline/TimelineOutput.h"

namespace {

// The command is the process's last use of cairo and fontconfig: it leaves nothing cached.
struct FontCachesReleased {
    FontCachesReleased() = default;
    FontCachesReleased(const FontCachesReleased&) = delete;
    FontCachesReleased& operator=(const FontCachesReleased&) = delete;
    ~FontCachesReleased() { fonts::releaseCaches(); }
};

int fail(const std::string& message) {
    std::fprintf(stderr, "flashstep: %s\n", printable(message).c_str());
    return 1;
}

}  // namespace

int runTimelineCommand(const std::string& outFile, const std::string& benchReport) {
    const TimelineFormat format = timelineFormatOf(outFile);
    if (format == TimelineFormat::Unknown)
        return fail("cannot tell the form of \"" + outFile +
                    "\" from its ending (use .png, .svg, .pdf, .html or .json)");
    if (!std::ifstream(DemoScript::SCRIPT_FILE))
        return fail(std::string("cannot read the script \"") + DemoScript::SCRIPT_FILE + "\"");
    std::optional<BenchmarkReport> bench;
    if (!benchReport.empty()) {
        std::string error;
        bench = readBenchReport(benchReport, error);
        if (!bench) return fail(error);
    }

    const FontCachesReleased released;
    const auto script = std::make_unique<DemoScript>(DemoScript::SCRIPT_FILE);
    const Waveform wave = decodeWaveform(script->songfile);
    if (wave.seconds < 0.0)
        std::fprintf(stderr, "flashstep: cannot read the song \"%s\"; the timeline ends at the last event\n",
                     printable(script->songfile).c_str());
    const Timeline timeline =
        buildTimeline(*script, locateEventLines(DemoScript::SCRIPT_FILE), wave.seconds, checkShow());
    std::string error;
    if (!writeTimeline(format, outFile, timelineDrawing(timeline, wave, bench ? &*bench : nullptr), error))
        return fail(error);
    return 0;
}
