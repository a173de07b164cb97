// The tempo and pattern geometry that time a script's event lines, as one plain value: how long
// a beat, a pattern and a step last. Taken from a loaded script, or from the headers in force at
// a line while a script is read. Converting words is TimeWords.h's job.
#pragma once

#include <cstdint>

#include "script/DemoScript.h"

struct ScriptTempo {
    int32_t bpm = 125;
    int32_t patternLength = 16;  // steps per pattern
    int32_t patternSpeed = 4;    // steps per beat

    double beatMs() const { return 60000.0 / bpm; }
    double beatsPerPattern() const { return static_cast<double>(patternLength) / patternSpeed; }
    double patternMs() const { return beatMs() * beatsPerPattern(); }
    double stepMs() const { return beatMs() / patternSpeed; }

    bool operator==(const ScriptTempo& other) const {
        return bpm == other.bpm && patternLength == other.patternLength && patternSpeed == other.patternSpeed;
    }
    bool operator!=(const ScriptTempo& other) const { return !(*this == other); }
};

// The values in force in `script` (after loading: its final header values).
inline ScriptTempo scriptTempo(const DemoScript& script) {
    return {script.bpm, script.patternLength, script.patternSpeed};
}
