// Joining range videos: each part's pictures copied in order without re-encoding,
// the song under the whole once. The parts must be captures of adjacent ranges of
// one show with the same size and encoder settings; their comment tags say which.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "offscreen/CaptureFormat.h"
#include "offscreen/PartProbe.h"

struct JoinRequest {
    std::string output;  // .mp4, .mkv (H.264 parts) or .webm (VP9 parts)
    std::vector<std::string> parts;
    bool withSound = true;  // the song under the whole; it must then be readable
    // Asked while the helpers run: a yes stops the join, its scratch removed and the
    // output as it was.
    std::function<bool()> stopAsked;
};

// Why these parts cannot be joined into a file of `kind`, or empty when they can;
// `whole` then gets the range they cover together.
std::string partsFault(const std::vector<VideoPart>& parts, const std::vector<std::string>& names,
                       CaptureKind kind, CapturedRange& whole);

// Reads data/script.txt for the song (a song that cannot be read fails a join with
// sound); the process's exit code (1 on any failure,
// nothing left behind).
int runJoin(const JoinRequest& request);
