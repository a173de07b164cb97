// What a capture file name asks for (a container, or numbered PNG frames) and the
// ffmpeg command line that writes it. Pure: starts nothing and touches no file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class CaptureKind { Unknown, Mp4, Matroska, WebM, PngFrames };

// By the name: a '%' in the file name means numbered PNGs, else the extension.
CaptureKind captureKindOf(const std::string& file);

// libx264's settings for .mp4 and .mkv; .webm keeps its own VP9 settings. Parts
// that are to be joined must share them. The defaults make a file to upload: on the
// show's densest grain about 18 Mbit/s at 1280 x 720 with an SSIM of 0.97 against
// the lossless frames; `ultrafast` is the quick draft.
struct VideoEncoding {
    int32_t crf = 20;
    std::string preset = "fast";
    // A ceiling on the bit rate over any second, in kbit/s; 0: none. Only the
    // default crf has one: a crf asked for is that crf alone (0 stays lossless).
    int32_t maxKbits = 20000;
};

// A video's frame size when none is asked for: what video sites play at 60 fps.
// Numbered frames and the benchmark keep the show's own 640 x 480.
constexpr int32_t VIDEO_WIDTH = 1280;
constexpr int32_t VIDEO_HEIGHT = 720;

struct CaptureSettings {
    CaptureKind kind = CaptureKind::Unknown;
    std::string output;    // where ffmpeg writes; for PNG frames a pattern with %
    std::string songFile;  // the sound track; empty: none
    uint32_t fps = 60;
    int64_t frames = 0;             // the video's length, which also trims the song
    int64_t firstFrame = 0;         // the first frame's number in the whole show (numbered frames)
    double songStartSeconds = 0.0;  // where in the song the sound track starts
    int32_t width = 640;
    int32_t height = 480;
    VideoEncoding encoding;
    std::string comment;  // the container's comment tag (a video's range); empty: none
};

// ffmpeg's arguments (without the program name) to read raw BGRA frames, bottom
// row first, from its standard input and write `settings.output`.
std::vector<std::string> ffmpegArguments(const CaptureSettings& settings);

// Pieces a join shares with a capture, so that both give the same sound track.
// The song from `startSeconds` on, exactly `frames` frames at `fps` long.
std::vector<std::string> songInputArguments(const std::string& songFile, double startSeconds, int64_t frames,
                                            uint32_t fps);
std::vector<std::string> audioCodecArguments(CaptureKind kind);
const char* muxerOf(CaptureKind kind);
