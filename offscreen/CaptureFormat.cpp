// Container choice and ffmpeg arguments for a capture. WebM cannot carry H.264,
// so it gets VP9 and Opus; the other containers get H.264 (libx264 with the asked
// crf and preset, the default crf under a bit-rate ceiling) and AAC.
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
std::string videoSeconds(int64_t frames, uint32_t fps) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", static_cast<double>(frames) / fps);
    return text;
}

void append(std::vector<std::string>& args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
}

void addInputs(const CaptureSettings& settings, std::vector<std::string>& args) {
    const std::string size = std::to_string(settings.width) + "x" + std::to_string(settings.height);
    args.insert(args.end(), {"-f", "rawvideo", "-pix_fmt", "bgra", "-video_size", size, "-framerate",
                             std::to_string(settings.fps), "-i", "pipe:0"});
    if (!settings.songFile.empty()) {
        append(args, songInputArguments(settings.songFile, settings.songStartSeconds, settings.frames,
                                        settings.fps));
    }
    args.insert(args.end(), {"-map", "0:v"});
    if (!settings.songFile.empty()) args.insert(args.end(), {"-map", "1:a"});
    // GL hands rows bottom first.
    args.insert(args.end(), {"-vf", "vflip"});
}

void addCodecs(const CaptureSettings& settings, std::vector<std::string>& args) {
    if (settings.kind == CaptureKind::WebM) {
        args.insert(args.end(), {"-c:v", "libvpx-vp9", "-deadline", "realtime", "-cpu-used", "8", "-row-mt",
                                 "1", "-b:v", "0", "-crf", "30", "-pix_fmt", "yuv420p"});
    } else {
        args.insert(args.end(), {"-c:v", "libx264", "-preset", settings.encoding.preset, "-crf",
                                 std::to_string(settings.encoding.crf), "-pix_fmt", "yuv420p"});
        if (settings.encoding.maxKbits > 0) {
            const std::string rate = std::to_string(settings.encoding.maxKbits) + "k";
            args.insert(args.end(), {"-maxrate", rate, "-bufsize", rate});
        }
    }
    // The index first, so a site or a browser can start on the file before it has all of it.
    if (settings.kind == CaptureKind::Mp4) args.insert(args.end(), {"-movflags", "+faststart"});
    append(args, audioCodecArguments(settings.kind));
    if (!settings.comment.empty()) args.insert(args.end(), {"-metadata", "comment=" + settings.comment});
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

std::vector<std::string> songInputArguments(const std::string& songFile, double startSeconds, int64_t frames,
                                            uint32_t fps) {
    std::vector<std::string> args;
    if (startSeconds > 0.0) {
        char start[32];
        std::snprintf(start, sizeof start, "%.6f", startSeconds);
        args.insert(args.end(), {"-ss", start});
    }
    args.insert(args.end(), {"-t", videoSeconds(frames, fps), "-i", songFile});
    return args;
}

std::vector<std::string> audioCodecArguments(CaptureKind kind) {
    if (kind == CaptureKind::WebM) return {"-c:a", "libopus", "-b:a", "160k"};
    return {"-c:a", "aac", "-b:a", "192k"};
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
