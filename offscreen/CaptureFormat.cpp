// Container choice and ffmpeg arguments for a capture. WebM cannot carry H.264,
// so it gets VP9 and Opus; the other containers get H.264 and AAC. The encoder's
// fastest preset leaves the two cores to the renderer: a bigger file, not a worse one.
#include "offscreen/CaptureFormat.h"

#include <cstdio>

namespace {

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

std::string baseName(const std::string& file) {
    const size_t slash = file.rfind('/');
    return slash == std::string::npos ? file : file.substr(slash + 1);
}

// The song runs exactly as long as the frames: frames / fps seconds.
std::string videoSeconds(const CaptureSettings& settings) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", static_cast<double>(settings.frames) / settings.fps);
    return text;
}

void addInputs(const CaptureSettings& settings, std::vector<std::string>& args) {
    const std::string size = std::to_string(settings.width) + "x" + std::to_string(settings.height);
    args.insert(args.end(), {"-f", "rawvideo", "-pix_fmt", "rgba", "-video_size", size, "-framerate",
                             std::to_string(settings.fps), "-i", "pipe:0"});
    if (!settings.songFile.empty()) {
        if (settings.songStartSeconds > 0.0) {
            char start[32];
            std::snprintf(start, sizeof start, "%.6f", settings.songStartSeconds);
            args.insert(args.end(), {"-ss", start});
        }
        args.insert(args.end(), {"-t", videoSeconds(settings), "-i", settings.songFile});
    }
    args.insert(args.end(), {"-map", "0:v"});
    if (!settings.songFile.empty()) args.insert(args.end(), {"-map", "1:a"});
    // GL hands rows bottom first.
    args.insert(args.end(), {"-vf", "vflip"});
}

void addCodecs(const CaptureSettings& settings, std::vector<std::string>& args) {
    if (settings.kind == CaptureKind::WebM) {
        args.insert(args.end(),
                    {"-c:v", "libvpx-vp9", "-deadline", "realtime", "-cpu-used", "8", "-row-mt", "1", "-b:v",
                     "0", "-crf", "30", "-pix_fmt", "yuv420p", "-c:a", "libopus", "-b:a", "160k"});
        return;
    }
    args.insert(args.end(), {"-c:v", "libx264", "-preset", "ultrafast", "-crf", "18", "-pix_fmt", "yuv420p",
                             "-c:a", "aac", "-b:a", "192k"});
}

const char* muxerOf(CaptureKind kind) {
    switch (kind) {
        case CaptureKind::Mp4:
            return "mp4";
        case CaptureKind::Matroska:
            return "matroska";
        case CaptureKind::WebM:
            return "webm";
        case CaptureKind::PngFrames:
            return "image2";
        case CaptureKind::Unknown:
            break;
    }
    return "";
}

}  // namespace

CaptureKind captureKindOf(const std::string& file) {
    if (baseName(file).find('%') != std::string::npos) return CaptureKind::PngFrames;
    if (endsWith(file, ".mp4")) return CaptureKind::Mp4;
    if (endsWith(file, ".mkv")) return CaptureKind::Matroska;
    if (endsWith(file, ".webm")) return CaptureKind::WebM;
    return CaptureKind::Unknown;
}

std::vector<std::string> ffmpegArguments(const CaptureSettings& settings) {
    std::vector<std::string> args = {"-hide_banner", "-loglevel", "error", "-y"};
    CaptureSettings video = settings;
    // Numbered frames have no sound track.
    if (settings.kind == CaptureKind::PngFrames) video.songFile.clear();
    addInputs(video, args);
    if (settings.kind == CaptureKind::PngFrames) {
        args.insert(args.end(), {"-c:v", "png", "-pix_fmt", "rgb24", "-start_number",
                                 std::to_string(settings.firstFrame)});
    } else {
        addCodecs(video, args);
    }
    args.insert(args.end(), {"-f", muxerOf(settings.kind), settings.output});
    return args;
}
