// A script kept as its bytes together with what the loader finds in them: each event line, and
// the end line, with its time word's place, the tempo in force there and the time the loader
// gives it. Read through the loader's own statement reader and step, so everything that rewrites
// a script works on exactly what the player reads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "script/ScriptTempo.h"
#include "script/TimeWords.h"

// An event statement, or the end statement, as written.
struct ScriptEntry {
    bool isEnd = false;        // the end line: reading stops there; its time plays no part
    int32_t line = 0;          // where its time word stands, from 1
    std::size_t timeAt = 0;    // the time word's first byte in the text
    std::size_t timeLength = 0;
    bool ownsLine = false;     // its line holds nothing else but a comment after it, so it can move
    TimeWordReading reading;   // its time word as the loader reads it
    int32_t timeMs = 0;        // and the time the loader gives it
    ScriptTempo tempo;         // the header values in force at it
    std::string keyword;
    std::string argument;
};

// A header statement that sets tempo or geometry, and what is in force after it.
struct TempoChange {
    int32_t line = 0;
    ScriptTempo tempo;
};

class ScriptText {
public:
    explicit ScriptText(std::string bytes);

    const std::string& bytes() const { return bytes_; }
    // The event statements in file order (those past the event capacity too: they are in the
    // text), then the end statement when there is one. Statements after it are never read.
    const std::vector<ScriptEntry>& entries() const { return entries_; }
    const std::vector<TempoChange>& tempoChanges() const { return tempoChanges_; }
    // The values in force before line `line` (from 1).
    ScriptTempo tempoBefore(int32_t line) const;
    ScriptTempo finalTempo() const;
    // The index of the entry whose time word stands on `line`, first on that line; -1 for none.
    int32_t entryOnLine(int32_t line) const;
    // The time word as written.
    std::string timeWord(const ScriptEntry& entry) const { return bytes_.substr(entry.timeAt, entry.timeLength); }

private:
    std::string bytes_;
    std::vector<ScriptEntry> entries_;
    std::vector<TempoChange> tempoChanges_;
    ScriptTempo initialTempo_;  // the loader's defaults
};
