// The capture run: checks before rendering (ffmpeg, the song, a writable target),
// then the shell's own deterministic loop with a recorder reading each frame back
// before its swap, then the encoder's verdict and the rename into place.
#include "app/Capture.h"

#include <GL/gl.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "app/CaptureFormat.h"
#include "app/CaptureTarget.h"
#include "app/FrameHooks.h"
#include "app/PipedProgram.h"
#include "app/ProgressBar.h"
#include "app/Shell.h"
#include "app/ShowSong.h"
#include "demo/RunOptions.h"

namespace {

constexpr const char* UNKNOWN_KIND =
    "flashstep: cannot capture to %s: the name must end in .mp4, .mkv or .webm, or contain %% for numbered "
    "PNG "
    "frames\n";
constexpr const char* NO_FFMPEG = "flashstep: cannot capture: the ffmpeg program was not found on PATH\n";
constexpr const char* NOT_WRITABLE = "flashstep: cannot write %s: %s\n";
constexpr const char* NO_START = "flashstep: cannot start ffmpeg: %s\n";
constexpr const char* FAILED = "flashstep: capture to %s failed (%s); nothing was written\n";

// Reads every drawn frame back and feeds it to the encoder.
class CaptureRecorder : public FrameObserver {
public:
    CaptureRecorder(PipedProgram& program, int64_t frames, bool quiet)
        : encoder(program), progress(frames, quiet) {}

    bool frameDrawn(GLWindow& window, int64_t /*frame*/) override {
        pixels.resize(static_cast<size_t>(window.width) * static_cast<size_t>(window.height) * 4);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, window.width, window.height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        if (!encoder.write(pixels.data(), pixels.size())) {
            failed = true;
            return false;
        }
        ++written;
        progress.update(written);
        return true;
    }

    void frameShown(GLWindow& /*window*/, int64_t /*frame*/) override {}

    PipedProgram& encoder;
    ProgressBar progress;
    std::vector<uint8_t> pixels;
    int64_t written = 0;
    bool failed = false;
};

CaptureSettings settingsFor(const RunOptions& options, const CaptureTarget& target, const ShowSong& song) {
    CaptureSettings settings;
    settings.kind = target.kind;
    settings.output = target.writePath();
    // "file:" keeps a song name with a colon or a leading dash from reading as an ffmpeg option.
    if (song.seconds >= 0.0) settings.songFile = "file:" + song.file;
    settings.fps = options.fps;
    settings.frames = options.frames;
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

int runCapture(RunOptions& options) {
    const CaptureKind kind = captureKindOf(options.captureFile);
    if (kind == CaptureKind::Unknown) {
        std::fprintf(stderr, UNKNOWN_KIND, options.captureFile.c_str());
        return 1;
    }
    const std::string ffmpeg = findOnPath("ffmpeg");
    if (ffmpeg.empty()) {
        std::fputs(NO_FFMPEG, stderr);
        return 1;
    }
    const ShowSong song = readShowSong();
    if (!settleFrameCount(options, song)) return 1;
    CaptureTarget target;
    std::string error;
    if (!target.prepare(options.captureFile, kind, error)) {
        std::fprintf(stderr, NOT_WRITABLE, options.captureFile.c_str(), error.c_str());
        return 1;
    }
    PipedProgram encoder;
    if (!encoder.start(ffmpeg, ffmpegArguments(settingsFor(options, target, song)), error)) {
        std::fprintf(stderr, NO_START, error.c_str());
        return 1;
    }
    CaptureRecorder recorder(encoder, options.frames, options.quiet);
    setFrameObserver(&recorder);
    const int shellCode = runShell();
    setFrameObserver(nullptr);
    recorder.progress.finish(recorder.written);
    const bool encoded = encoder.finish();
    std::string fault = runFault(recorder, encoded, options.frames);
    std::string renameError;
    if (fault.empty() && !target.commit(renameError)) fault = "cannot rename it into place: " + renameError;
    if (!fault.empty()) {
        std::fprintf(stderr, FAILED, options.captureFile.c_str(), fault.c_str());
        return 1;
    }
    return shellCode;
}
