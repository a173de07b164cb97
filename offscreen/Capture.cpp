// The capture run: checks before rendering (ffmpeg, the song, a writable target),
// then the shell's own deterministic loop with a recorder reading each frame back
// and a writer thread feeding the encoder, then the encoder's verdict and the
// rename into place.
#include "offscreen/Capture.h"

#include <sys/resource.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "base/Printable.h"
#include "offscreen/CaptureFormat.h"
#include "offscreen/CaptureRecorder.h"
#include "offscreen/CaptureSummary.h"
#include "offscreen/CaptureTarget.h"
#include "offscreen/PipedProgram.h"
#include "offscreen/RangeTag.h"
#include "player/ShowLength.h"

namespace {

constexpr const char* UNKNOWN_KIND =
    "flashstep: cannot capture to %s: the name must end in .mp4, .mkv or .webm, or contain %% for numbered "
    "PNG "
    "frames\n";
// The lowest priority there is (measured: nice 19 beat nice 10 by a tenth of the
// capture's time; SCHED_IDLE hardly better, and it could starve on a busy machine).
constexpr int ENCODER_NICENESS = 19;
constexpr const char* NO_FFMPEG = "flashstep: cannot capture: the ffmpeg program was not found on PATH\n";
constexpr const char* NOT_WRITABLE = "flashstep: cannot write %s: %s\n";
constexpr const char* NO_START = "flashstep: cannot start ffmpeg: %s\n";
constexpr const char* NO_SONG =
    "flashstep: cannot capture %s with sound: cannot read the song %s (%s); give --no-sound for a video "
    "without it\n";
constexpr const char* FAILED = "flashstep: capture to %s failed (%s); nothing was written\n";

CaptureSettings settingsFor(const CaptureRequest& request, const RunPlan& plan, int64_t firstFrame,
                            const CaptureTarget& target, const ShowSong& song) {
    CaptureSettings settings;
    settings.kind = target.kind;
    settings.output = target.writePath();
    // "file:" keeps a song name with a colon or a leading dash from reading as an ffmpeg option.
    if (request.withSound && song.seconds >= 0.0) settings.songFile = "file:" + song.file;
    settings.fps = plan.fps;
    settings.frames = plan.frames;
    settings.firstFrame = firstFrame;
    settings.songStartSeconds = static_cast<double>(replayFrameMs(plan, firstFrame)) / 1000.0;
    settings.width = plan.frameWidth;
    settings.height = plan.frameHeight;
    settings.encoding = request.encoding;
    settings.comment = rangeTag(CapturedRange{firstFrame, plan.frames, plan.fps});
    return settings;
}

// The encoder runs at a lower priority than we do: where both want a core the
// renderer gets it, and the encoder takes the time the renderer leaves (its queue
// of frames rides out the difference). Its threads, made later, inherit this.
void giveWayToRenderer(const PipedProgram& encoder) {
    errno = 0;
    const int ours = getpriority(PRIO_PROCESS, 0);
    if (errno == 0 && ours < ENCODER_NICENESS)
        setpriority(PRIO_PROCESS, static_cast<id_t>(encoder.pid), ENCODER_NICENESS);
}

// Why a finished run is not a good capture, or empty when it is.
std::string runFault(const CaptureRecorder& recorder, int64_t written, bool encoded, int64_t frames) {
    if (recorder.failed) return "ffmpeg stopped reading frames";
    if (!encoded) return "ffmpeg reported an error";
    if (written != frames) return "only " + std::to_string(written) + " frames were drawn";
    return "";
}

}  // namespace

int runCapture(const CaptureRequest& request, const ShowRange& range, RunPlan plan,
               const PlanRunner& runShow) {
    const CaptureKind kind = captureKindOf(request.file);
    if (kind == CaptureKind::Unknown) {
        std::fprintf(stderr, UNKNOWN_KIND, printable(request.file).c_str());
        return 1;
    }
    const std::string ffmpeg = findOnPath("ffmpeg");
    if (ffmpeg.empty()) {
        std::fputs(NO_FFMPEG, stderr);
        return 1;
    }
    const ShowSong song = readShowSong();
    // Numbered frames never carry sound.
    if (request.withSound && kind != CaptureKind::PngFrames && song.seconds < 0.0) {
        std::fprintf(stderr, NO_SONG, printable(request.file).c_str(), songNameForMessages(song).c_str(),
                     song.problem.c_str());
        return 1;
    }
    plan.clock = FrameClock::Schedule;
    int64_t firstFrame = 0;
    if (!settleRange(plan, range, song, firstFrame)) return 1;
    CaptureTarget target;
    std::string error;
    if (!target.prepare(request.file, kind, error)) {
        std::fprintf(stderr, NOT_WRITABLE, printable(request.file).c_str(), error.c_str());
        return 1;
    }
    PipedProgram encoder;
    if (!encoder.start(ffmpeg, ffmpegArguments(settingsFor(request, plan, firstFrame, target, song)),
                       error)) {
        std::fprintf(stderr, NO_START, error.c_str());
        return 1;
    }
    giveWayToRenderer(encoder);
    CaptureRecorder recorder(encoder, plan, request.quiet);
    plan.observers.push_back(&recorder);
    const int shellCode = runShow(plan);
    const int64_t written = recorder.finish();
    const bool encoded = encoder.finish();
    std::string fault = runFault(recorder, written, encoded, plan.frames);
    // Measured before the rename: afterwards numbered frames lie among other files.
    const CapturedFile captured{request.file, bytesAt(target.temporary), written,
                                plan.fps,     plan.frameWidth,           plan.frameHeight};
    std::string renameError;
    if (fault.empty() && !target.commit(renameError)) fault = "cannot rename it into place: " + renameError;
    if (!fault.empty()) {
        std::fprintf(stderr, FAILED, printable(request.file).c_str(), printable(fault).c_str());
        return 1;
    }
    if (!request.quiet) std::fprintf(stderr, "%s\n", captureSummary(captured).c_str());
    return shellCode;
}
