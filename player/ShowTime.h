// Moments of the show as people name them: a script time word read with the
// script's final tempo and pattern geometry (beats "96", "12.5"; pattern:beat
// "24:0", "3:2.5") or seconds with a unit ("92.5s", "1500ms"); and the other way,
// a song time written as pattern:beat for status lines.
#pragma once

#include <optional>
#include <string>

#include "script/ScriptTempo.h"

// Milliseconds of song, or nothing when `text` is none of the forms (or negative).
std::optional<double> showTimeMs(const std::string& text, const DemoScript& script);
// One pattern and one beat of the script's tempo, in milliseconds.
double patternMs(const DemoScript& script);
double beatMs(const DemoScript& script);
// "P:B.BB" for a song time in seconds, pattern and beat counted from 0.
std::string patternBeatText(double seconds, const ScriptTempo& tempo);
std::string patternBeatText(double seconds, const DemoScript& script);
