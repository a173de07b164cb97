// The join run: ffprobe on every part, the checks that make a copy-join exact,
// each part's video remuxed alone into a scratch folder beside the output, then
// one ffmpeg that concatenates them and encodes the song's stretch under them.
#include "offscreen/Join.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>

#include "base/Printable.h"
#include "offscreen/CaptureTarget.h"
#include "offscreen/HiddenBeside.h"
#include "offscreen/JoinFormat.h"
#include "offscreen/PipedProgram.h"
#include "player/Player.h"
#include "player/ShowLength.h"

namespace {

constexpr const char* CANNOT_JOIN = "flashstep: cannot join into %s: %s\n";
// How far a part's length may be from its frames' beyond one frame: the sound's
// encoder delay (AAC's priming) lengthens a container a little.
constexpr double LENGTH_SLACK_SECONDS = 0.1;
constexpr const char* STOPPED = "stopped from outside";

const char* codecFor(CaptureKind kind) {
    return kind == CaptureKind::WebM ? "vp9" : "h264";
}

bool sameEncoding(const VideoPart& a, const VideoPart& b) {
    return a.codec == b.codec && a.width == b.width && a.height == b.height &&
           a.pixelFormat == b.pixelFormat && a.setupHash == b.setupHash;
}

// A tag is text anyone may rewrite: it must agree with what the part holds.
std::string tagFault(const VideoPart& part, const std::string& name) {
    const CapturedRange& range = *part.range;
    const std::string tag = " (its tag says " + rangeTag(range) + ")";
    if (part.rateNumerator != static_cast<int64_t>(range.fps) * part.rateDenominator)
        return name + " holds video of another frame rate than its range" + tag;
    const double seconds = static_cast<double>(range.frames) / range.fps;
    if (part.seconds < 0.0 || std::fabs(part.seconds - seconds) > 1.0 / range.fps + LENGTH_SLACK_SECONDS)
        return name + " does not last as long as its range" + tag;
    RunPlan schedule;
    schedule.clock = FrameClock::Schedule;
    schedule.fps = range.fps;
    if (range.firstFrame > firstFrameAtOrAfter(schedule, LATEST_START_MS))
        return name + " starts later than a run may start" + tag;
    return "";
}

std::string rangeFault(const VideoPart& part, const std::string& name, const CapturedRange& whole) {
    const CapturedRange& range = *part.range;
    if (range.fps != whole.fps)
        return name + " has " + std::to_string(range.fps) + " frames per second, not " +
               std::to_string(whole.fps);
    if (range.firstFrame != whole.endFrame()) {
        return name + " starts at frame " + std::to_string(range.firstFrame) + ", not at frame " +
               std::to_string(whole.endFrame()) + " where the part before it ends";
    }
    if (part.frames != range.frames) {
        return name + " holds " + std::to_string(part.frames) + " frames of the " +
               std::to_string(range.frames) + " its range has";
    }
    return "";
}

bool runProgram(const std::string& program, const std::vector<std::string>& args, const JoinRequest& request,
                std::string& error) {
    PipedProgram child;
    if (!child.start(program, args, error)) return false;
    if (child.finish(request.stopAsked)) return true;
    error = request.stopAsked && request.stopAsked() ? STOPPED : "ffmpeg reported an error";
    return false;
}

// The output under a part's name (or another name of the same file) would replace the part.
std::string partAsOutput(const JoinRequest& request) {
    struct stat output {};
    if (stat(request.output.c_str(), &output) != 0) return "";
    for (const std::string& part : request.parts) {
        struct stat info {};
        if (stat(part.c_str(), &info) == 0 && info.st_dev == output.st_dev && info.st_ino == output.st_ino)
            return "it is the part " + part + " itself, which the join would replace; give the output another name";
    }
    return "";
}

struct Tools {
    std::string ffmpeg = findOnPath("ffmpeg");
    std::string ffprobe = findOnPath("ffprobe");
};

bool probeAll(const Tools& tools, const std::vector<std::string>& names, std::vector<VideoPart>& parts,
              const JoinRequest& request, std::string& error) {
    for (const std::string& name : names) {
        if (request.stopAsked && request.stopAsked()) {
            error = STOPPED;
            return false;
        }
        VideoPart part;
        if (!probePart(tools.ffprobe, name, part, error)) {
            error = name + ": " + error;
            return false;
        }
        parts.push_back(part);
    }
    return true;
}

// Each part's video alone, in order, as the concat list's pieces. The list names
// them relative to itself, so no folder name (a newline in it) ever enters it.
bool remuxVideo(const Tools& tools, const JoinRequest& request, const std::vector<VideoPart>& parts,
                const std::string& folder, CaptureKind kind, std::vector<JoinPiece>& pieces,
                std::string& error) {
    for (size_t i = 0; i < parts.size(); ++i) {
        const std::string name = "part-" + std::to_string(i) + "." + muxerOf(kind);
        if (!runProgram(tools.ffmpeg, videoOnlyArguments(request.parts[i], folder + "/" + name, kind), request,
                        error))
            return false;
        pieces.push_back(JoinPiece{name, parts[i].frames});
    }
    return true;
}

JoinSettings settingsFor(const CapturedRange& whole, CaptureKind kind, const std::string& list,
                         const std::string& output, const std::string& songFile) {
    JoinSettings settings;
    settings.kind = kind;
    settings.list = list;
    settings.output = output;
    settings.songFile = songFile;
    RunPlan schedule;
    schedule.clock = FrameClock::Schedule;
    schedule.fps = whole.fps;
    settings.songStartSeconds = static_cast<double>(replayFrameMs(schedule, whole.firstFrame)) / 1000.0;
    settings.frames = whole.frames;
    settings.fps = whole.fps;
    settings.comment = rangeTag(whole);
    return settings;
}

// "file:" keeps a song name with a colon or a leading dash from reading as an option.
bool songToLayUnder(const JoinRequest& request, std::string& songFile, std::string& error) {
    if (!request.withSound) return true;
    const ShowSong song = readShowSong();
    if (song.seconds < 0.0) {
        error = "cannot read the song " + songNameForMessages(song) + " (" + song.problem +
                "); give --no-sound for a video without it";
        return false;
    }
    songFile = "file:" + song.file;
    return true;
}

std::string join(const JoinRequest& request, CaptureKind kind, const Tools& tools) {
    std::string error;
    std::string songFile;
    if (!songToLayUnder(request, songFile, error)) return error;
    error = partAsOutput(request);
    if (!error.empty()) return error;
    std::vector<VideoPart> parts;
    if (!probeAll(tools, request.parts, parts, request, error)) return error;
    CapturedRange whole;
    error = partsFault(parts, request.parts, kind, whole);
    if (!error.empty()) return error;
    CaptureTarget target;
    HiddenBeside scratch;
    if (!target.prepare(request.output, kind, error) ||
        !scratch.create(request.output, "join", HiddenBeside::Kind::Folder, error))
        return error;
    std::vector<JoinPiece> pieces;
    if (!remuxVideo(tools, request, parts, scratch.path(), kind, pieces, error)) return error;
    const std::string list = scratch.path() + "/parts.ffconcat";
    std::ofstream(list) << concatList(pieces, whole.fps);
    if (!runProgram(tools.ffmpeg, joinArguments(settingsFor(whole, kind, list, target.writePath(), songFile)),
                    request, error))
        return error;
    if (!target.commit(error)) return "cannot rename it into place: " + error;
    return "";
}

}  // namespace

std::string partsFault(const std::vector<VideoPart>& parts, const std::vector<std::string>& names,
                       CaptureKind kind, CapturedRange& whole) {
    if (parts.empty()) return "no parts were given";
    for (size_t i = 0; i < parts.size(); ++i) {
        const VideoPart& part = parts[i];
        if (!part.range)
            return names[i] + " is not a range captured by flashstep (no range in its comment tag)";
        if (part.codec != codecFor(kind))
            return names[i] + " holds " + part.codec + " video, the output needs " + codecFor(kind);
        if (i == 0) {
            whole = CapturedRange{part.range->firstFrame, 0, part.range->fps};
        } else if (!sameEncoding(part, parts[0])) {
            return names[i] + " was encoded with other settings than " + names[0] +
                   " (size, pixel format or encoder set-up differ)";
        }
        std::string fault = tagFault(part, names[i]);
        if (fault.empty()) fault = rangeFault(part, names[i], whole);
        if (!fault.empty()) return fault;
        whole.frames += part.frames;
    }
    return "";
}

int runJoin(const JoinRequest& request) {
    const CaptureKind kind = captureKindOf(request.output);
    if (kind != CaptureKind::Mp4 && kind != CaptureKind::Matroska && kind != CaptureKind::WebM) {
        std::fprintf(stderr, CANNOT_JOIN, printable(request.output).c_str(),
                     "the name must end in .mp4, .mkv or .webm");
        return 1;
    }
    const Tools tools;
    if (tools.ffmpeg.empty() || tools.ffprobe.empty()) {
        std::fprintf(stderr, CANNOT_JOIN, printable(request.output).c_str(),
                     "ffmpeg and ffprobe must be on PATH");
        return 1;
    }
    const std::string fault = join(request, kind, tools);
    if (!fault.empty()) {
        std::fprintf(stderr, CANNOT_JOIN, printable(request.output).c_str(), printable(fault).c_str());
        return 1;
    }
    return 0;
}
