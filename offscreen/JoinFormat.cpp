// The join's ffmpeg command lines and concat list. The video is copied packet for
// packet; only the song is encoded, once, exactly as a single capture encodes it.
#include "offscreen/JoinFormat.h"

#include <cinttypes>
#include <cstdio>

namespace {

constexpr int64_t MICROSECONDS = 1000000;

// frames / fps seconds in whole microseconds, to the nearest.
int64_t microsecondsOf(int64_t frames, uint32_t fps) {
    return (2 * frames * MICROSECONDS + fps) / (2 * static_cast<int64_t>(fps));
}

std::string secondsText(int64_t microseconds) {
    char text[48];
    std::snprintf(text, sizeof text, "%" PRId64 ".%06" PRId64, microseconds / MICROSECONDS,
                  microseconds % MICROSECONDS);
    return text;
}

// The concat list's quoting: inside single quotes, a quote is closed, escaped, reopened.
std::string quoted(const std::string& file) {
    std::string text = "'";
    for (const char c : file) text += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return text + "'";
}

}  // namespace

std::vector<std::string> videoOnlyArguments(const std::string& part, const std::string& output,
                                            CaptureKind kind) {
    return {"-hide_banner", "-loglevel", "error",         "-y", "-i", "file:" + part, "-map", "0:v:0",
            "-c",           "copy",      "-map_metadata", "-1", "-f", muxerOf(kind),  output};
}

std::string concatList(const std::vector<JoinPiece>& pieces, uint32_t fps) {
    std::string list = "ffconcat version 1.0\n";
    int64_t framesBefore = 0;
    for (const JoinPiece& piece : pieces) {
        const int64_t start = microsecondsOf(framesBefore, fps);
        framesBefore += piece.frames;
        list += "file " + quoted(piece.file) + "\n";
        list += "duration " + secondsText(microsecondsOf(framesBefore, fps) - start) + "\n";
    }
    return list;
}

std::vector<std::string> joinArguments(const JoinSettings& settings) {
    std::vector<std::string> args = {"-hide_banner", "-loglevel", "error", "-y", "-f",
                                     "concat",       "-safe",     "0",     "-i", settings.list};
    if (!settings.songFile.empty()) {
        const std::vector<std::string> song =
            songInputArguments(settings.songFile, settings.songStartSeconds, settings.frames, settings.fps);
        args.insert(args.end(), song.begin(), song.end());
    }
    args.insert(args.end(), {"-map", "0:v", "-c:v", "copy"});
    if (!settings.songFile.empty()) {
        const std::vector<std::string> audio = audioCodecArguments(settings.kind);
        args.insert(args.end(), {"-map", "1:a"});
        args.insert(args.end(), audio.begin(), audio.end());
    }
    if (!settings.comment.empty()) args.insert(args.end(), {"-metadata", "comment=" + settings.comment});
    // The index first, as a single capture has it: the joined file streams as it loads.
    if (settings.kind == CaptureKind::Mp4) args.insert(args.end(), {"-movflags", "+faststart"});
    args.insert(args.end(), {"-f", muxerOf(settings.kind), settings.output});
    return args;
}
