// One thing the show check found in a script or data file, in the compiler
// convention: where (file, line, column, all from 1), how bad, a stable short
// code for tools, the message, and the song time it concerns when it has one.
#pragma once

#include <cstdint>
#include <string>

enum class Severity { Error, Warning, Note };

struct Finding {
    std::string file;    // as the player names it, e.g. "data/script.txt"
    int32_t line = 0;    // 0: the file as a whole
    int32_t column = 0;  // 0: the line as a whole
    Severity severity = Severity::Error;
    std::string code;  // stable, e.g. "unknown-keyword"
    std::string message;
    double seconds = -1.0;  // song time the finding's line takes effect at; negative: none
};

// "error", "warning" or "note", as the compiler convention writes them.
inline const char* severityName(Severity severity) {
    switch (severity) {
        case Severity::Error:
            return "error";
        case Severity::Warning:
            return "warning";
        case Severity::Note:
            break;
    }
    return "note";
}
