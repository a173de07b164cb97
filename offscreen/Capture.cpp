// The capture run: checks before rendering (ffmpeg, the song, a writable target),
// then the shell's own deterministic loop with a recorder reading each frame back
// before its swap, then the encoder's verdict and the rename into place.
#include "offscreen/Capture.h"

#include <GL/gl.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "gfx/FrameReadback.h"
#include "offscreen/CaptureFormat.h"
#include "offscreen/CaptureTarget.h"
#include "offscreen/PipedProgram.h"
#include "offscreen/ProgressBar.h"
#include "player/ShowLength.h"

namespace {

constexpr const char* UNKNOWN_KIND =
    "flashstep: cannot capture to %s: the name must end in .mp4, .mkv or .webm, or contain %% for numbered "
    "PNG "
    "frames\n";
constexpr const char* NO_FFMPEG = "flashstep: cannot capture: the ffmpeg program was not found on PATH\n";
constexpr const char* NOT_WRITABLE = "flashstep: cannot write %s: %s\n";
constexpr const char* NO_START = "flashstep: cannot start ffmpeg: %s\n";
constexpr const char* NO_SONG =
    "flashstep: cannot capture %s with sound: cannot read the song %s (%s); give --no-sound for a video "
    "without it\n";
constexpr const char* FAILED = "flashstep: capture to %s failed (%s); nothing was written\n";

// Reads every drawn frame back and feeds it to the encoder.
class CaptureRecorder : public FrameObserver {
public:
    CaptureRecorder(PipedProgram& program, int64_t frames, bool quiet)
        : encoder(program), progress(frames, quiet) {}

    bool frameDrawn(const PlayerFrame& frame) override {
        readFramePixels(frame.window.width, frame.window.height, pixels);
        if (!encoder.write(pixels.data(), pixels.size())) {
            failed = true;
            return false;
        }
        ++written;
        progress.update(written);
        return true;
    }

    PipedProgram& encoder;
    ProgressBar progress;
    std::vector<uint8_t> pixels;
    int64_t written = 0;
    bool failed = false;
};

CaptureSettings settingsFor(const RunPlan& plan, int64_t firstFrame, const CaptureTarget& target,
                            const ShowSong& song, bool withSound) {
    CaptureSettings settings;
    settings.kind = target.kind;
    settings.output = target.writePath();
    // "file:" keeps a song name with a colon or a leading dash from reading as an ffmpeg option.
    if (withSound && song.seconds >= 0.0) settings.songFile = "file:" + song.file;
    settings.fps = plan.fps;
    settings.frames = plan.frames;
    settings.firstFrame = firstFrame;
    settings.songStartSeconds = static_cast<double>(replayFrameMs(plan, firstFrame)) / 1000.0;
    const GLWindow window;
    settings.width = window.width;
    settings.height = window.height;
    return settings;
}

// Why a finished run is not a good capture, or empty when it is.
std::string runFault(const CaptureRecorder& recorder, bool encoded, int64_t frames) {
    if (recorder.failed) return "ffmpeg stopped reading frames";
    if (!encoded) return "ffmpeg reported an error";
    if (recorder.written != frames) return "only " + std::to_string(recorder.written) + " frames were drawn";
    return "";
}

}  // namespace

int runCapture(const CaptureRequest& request, const ShowRange& range, RunPlan plan,
               const PlanRunner& runShow) {
    const CaptureKind kind = captureKindOf(request.file);
    if (kind == CaptureKind::Unknown) {
        std::fprintf(stderr, UNKNOWN_KIND, request.file.c_str());
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
        std::fprintf(stderr, NO_SONG, request.file.c_str(), songNameForMessages(song).c_str(),
                     song.problem.c_str());
        return 1;
    }
    plan.clock = FrameClock::Schedule;
    int64_t firstFrame = 0;
    if (!settleRange(plan, range, song, firstFrame)) return 1;
    CaptureTarget target;
    std::string error;
    if (!target.prepare(request.file, kind, error)) {
        std::fprintf(stderr, NOT_WRITABLE, request.file.c_str(), error.c_str());
        return 1;
    }
    PipedProgram encoder;
    if (!encoder.start(ffmpeg, ffmpegArguments(settingsFor(plan, firstFrame, target, song, request.withSound)),
                       error)) {
        std::fprintf(stderr, NO_START, error.c_str());
        return 1;
    }
    CaptureRecorder recorder(encoder, plan.frames, request.quiet);
    plan.observers.push_back(&recorder);
    const int shellCode = runShow(plan);
    recorder.progress.finish(recorder.written);
    const bool encoded = encoder.finish();
    std::string fault = runFault(recorder, encoded, plan.frames);
    std::string renameError;
    if (fault.empty() && !target.commit(renameError)) fault = "cannot rename it into place: " + renameError;
    if (!fault.empty()) {
        std::fprintf(stderr, FAILED, request.file.c_str(), fault.c_str());
        return 1;
    }
    return shellCode;
}
