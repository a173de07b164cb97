// What an event's argument word must be for its keyword (its form in the event table: a switch,
// a number, a picture index, a step pattern, or nothing), and the findings when it is not. Reads the event
// the loader stored, so the check sees exactly the value, bits and switch the show will use.
#pragma once

#include <cstdint>
#include <vector>

#include "check/Finding.h"
#include "script/DemoScript.h"
#include "script/ScriptStatements.h"

// The overlay picture a stored event names the way the dispatch reads it (the value truncated
// toward zero), or -1 when it names none of 0 to pictureCount - 1.
int32_t pictureOf(const ScriptEvent& event, int32_t pictureCount);

// Findings on the argument word of a stored event taking effect at `seconds`. Step patterns are
// only checked for their form here: their length needs the final patternLength.
void checkArgument(const ScriptEvent& event, const StatementWord& argument, int32_t pictureCount,
                   double seconds, std::vector<Finding>& findings);

// Findings on a step pattern's length and characters, against the final patternLength.
void checkStepPattern(const std::string& pattern, const WordSpan& at, int32_t patternLength, double seconds,
                      std::vector<Finding>& findings);
