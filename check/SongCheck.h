// Findings on the song the script names: it must exist and libsndfile must open and decode it.
// Also measures its length, for the events that would come after its end.
#pragma once

#include <string>
#include <vector>

#include "check/Finding.h"
#include "script/ScriptWords.h"

struct SongVerdict {
    std::vector<Finding> findings;
    double seconds = -1.0;  // negative when the song cannot be read
};

// `at` is the song's name in the script (line 0 when the script names none).
SongVerdict checkSong(const std::string& songFile, const WordSpan& at);
