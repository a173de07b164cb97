// What the overlay shows of the show's files: the timeline (events with their
// lines and times, switch spans, pictures, jumps, the findings), the song's
// waveform and the script's lines as written. Read once per script revision, off
// the frame loop: decoding the song takes a good part of a second.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "check/Finding.h"
#include "timeline/SongWaveform.h"
#include "timeline/Timeline.h"

struct ShowNotes {
    Timeline timeline;
    Waveform waveform;
    std::vector<std::string> scriptLines;  // line n of the file at index n - 1, without its line end
    std::shared_ptr<const std::string> scriptBytes;  // the file as read, for edits to start from

    // The index of the last event that applies at or before `seconds`; -1 before the first.
    int32_t latestEventAt(double seconds) const;
    // The time of the first event written on `line`; negative when none is.
    double secondsOfLine(int32_t line) const;
};

// Reads the script at `path` as the player loads it, and the song it names, unless
// `knownSong` already holds that song's waveform (a reload that kept the song).
ShowNotes readShowNotes(const std::string& path, std::vector<Finding> findings,
                        const ShowNotes* knownSong = nullptr);
