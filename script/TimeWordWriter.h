// Song milliseconds written back as a time word that the loader reads as exactly that time, in
// the form a line already has (beats "12.5" or pattern:beat "3:2.5"), with the fewest decimals
// that do: every candidate is read back through the loader's own conversion. Pure.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "script/ScriptTempo.h"
#include "script/TimeWords.h"

enum class TimeForm { Beats, PatternBeat };

TimeForm formOf(const TimeWordReading& reading);

// Where a reading lies on the beat line, in beats from 0, unrounded: P:B is P patterns of the
// tempo's beats per pattern plus B beats.
double beatPosition(const TimeWordReading& reading, const ScriptTempo& tempo);

// The ms the loader gives a beat position written exactly in `form` (patterns whole, the rest
// in beats), with the position first rounded to 1e-9 beats so that sums of time words that
// should meet on a line do not fall a hair short of it.
int32_t positionMs(double beats, TimeForm form, const ScriptTempo& tempo);

// The word for `ms`, or nothing when no word that the loader reads whole (at most 11 characters)
// gives it: a negative time, or, in pattern:beat below 60 bpm, a millisecond that no thousandth
// of a beat reaches. Pattern:beat words keep their beat below the pattern's beat count.
std::optional<std::string> writeTimeWord(int32_t ms, TimeForm form, const ScriptTempo& tempo);
