// The show's song and its length, read before a run that covers the whole show
// (capture, benchmark, frame hashes) so that it knows how many frames that takes.
#pragma once

#include <string>

struct RunPlan;

// The latest a run may start: a run that counts its own frames may begin after the
// song, silent, but not later than this (nor may a range be joined that does).
inline constexpr double LATEST_START_MS = 3600.0 * 1000.0;

struct ShowSong {
    std::string file;       // as the script names it, relative to the working directory
    double seconds = -1.0;  // negative when the song cannot be read (or was not measured)
    std::string problem;    // why a measured song cannot be read; empty when it can
};

// The song named by data/script.txt, measured by decoding it unless `measure` is false.
ShowSong readShowSong(bool measure = true);
// Sets `plan.frames` to cover the whole song at plan.fps unless a count was asked
// for; false (with a message on standard error) when neither is known.
bool settleFrameCount(RunPlan& plan, const ShowSong& song);

// A stretch of the show in song milliseconds: [startMs, endMs), endMs negative
// for the song's end.
struct ShowRange {
    double startMs = 0.0;
    double endMs = -1.0;
};

// The frames of plan's schedule in the range: plan.startMs, and plan.frames unless
// a count was asked for; false (with a message) when the song's end is needed and
// unknown. `firstFrame` gets the number of the first frame drawn.
bool settleRange(RunPlan& plan, const ShowRange& range, const ShowSong& song, int64_t& firstFrame);

// The song's name for messages: its absolute path, in quotes.
std::string songNameForMessages(const ShowSong& song);
