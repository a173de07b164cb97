// How range videos become one without re-encoding, as ffmpeg command lines: each
// part's video alone (a remux, so no part's sound shifts the pictures), the concat
// demuxer's list of them with exact lengths, and the join that lays the song under
// the whole once. Pure: starts nothing and touches no file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "offscreen/CaptureFormat.h"

// Copies the first video stream of `part` into `output`, a file of `kind`.
std::vector<std::string> videoOnlyArguments(const std::string& part, const std::string& output,
                                            CaptureKind kind);

struct JoinPiece {
    std::string file;
    int64_t frames = 0;
};

// The concat demuxer's list. Each part lasts the difference of its end and start
// counted from the join's start in whole microseconds, so rounding never adds up
// however many parts there are.
std::string concatList(const std::vector<JoinPiece>& pieces, uint32_t fps);

struct JoinSettings {
    CaptureKind kind = CaptureKind::Mp4;
    std::string list;      // the concat list file
    std::string output;    // where ffmpeg writes
    std::string songFile;  // empty: no sound track
    double songStartSeconds = 0.0;
    int64_t frames = 0;
    uint32_t fps = 60;
    std::string comment;  // the whole range's tag
};

std::vector<std::string> joinArguments(const JoinSettings& settings);
