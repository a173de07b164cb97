// The tempo and pattern geometry that time a script's event lines, as one plain value: how long
// a beat, a pattern and a step last, and where pattern 0 beat 0 lies in the song. Taken from a
// loaded script, or from the headers in force at a line while a script is read. Converting words
// is TimeWords.h's job; the song time of a reading with all of these in force is here.
#pragma once

#include <cstdint>

#include "script/DemoScript.h"
#include "script/TimeWords.h"

struct ScriptTempo {
    int32_t bpm = 125;
    int32_t patternLength = 16;  // steps per pattern
    int32_t patternSpeed = 4;    // steps per beat
    int32_t offsetMs = 0;        // song time of pattern 0 beat 0

    double beatMs() const { return 60000.0 / bpm; }
    double beatsPerPattern() const { return static_cast<double>(patternLength) / patternSpeed; }
    double patternMs() const { return beatMs() * beatsPerPattern(); }
    double stepMs() const { return beatMs() / patternSpeed; }

    bool operator==(const ScriptTempo& other) const {
        return bpm == other.bpm && patternLength == other.patternLength && patternSpeed == other.patternSpeed &&
               offsetMs == other.offsetMs;
    }
    bool operator!=(const ScriptTempo& other) const { return !(*this == other); }
};

// The values in force in `script` (after loading: its final header values).
inline ScriptTempo scriptTempo(const DemoScript& script) {
    return {script.bpm, script.patternLength, script.patternSpeed, script.offsetMs};
}

// The song time a time word's reading stands for with `tempo` in force, as the loader stores it.
inline int32_t songTimeOf(const TimeWordReading& reading, const ScriptTempo& tempo) {
    return songTimeMs(timeReadingToMs(reading, tempo.bpm, tempo.patternLength, tempo.patternSpeed), tempo.offsetMs);
}
