// Walks data/script.txt statement by statement through the loader itself and reports what the
// show will do differently from what the text says. Also keeps what the song and picture checks
// need afterwards: the song's name and where it is written, and the stored events in order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "check/Finding.h"
#include "script/ScriptWords.h"

// A stored event as the queue will take it.
struct CheckedEvent {
    WordSpan at;               // its time word
    std::string written;       // the time word as written
    int32_t timeMs = 0;        // as written
    int32_t takenMs = 0;       // when the queue takes it: never before an event listed earlier
    int32_t kind = 0;          // EventKind
    int32_t picture = -1;      // the overlay picture it names; -1 for none
    bool timeInDoubt = false;  // timed with a tempo value that was not read whole
};

// A picture's file as an "init picture" or "init texture" line names it.
struct NamedFile {
    WordSpan at;
    std::string file;
};

struct ScriptInspection {
    std::vector<Finding> findings;
    std::vector<NamedFile> namedFiles;
    std::string songFile;  // as the loader keeps it; empty when the script names none
    WordSpan songFileAt;   // its value word; line 0 when the script names none
    std::vector<CheckedEvent> events;
};

// Findings on the script's own text; `pictureCount` is the number of overlay pictures.
ScriptInspection inspectScript(const std::string& text, int32_t pictureCount);
