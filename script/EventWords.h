// Reads an event line's keyword and argument words: the keyword's kind (from the event
// table), a step pattern ("%x..x") as bits, and a switch ("on"/"true"). Filling a
// ScriptEvent is DemoScript::parseEvent's job.
#pragma once

#include <cstdint>

// The kind named by `keyword` (exact, case-sensitive), or 0 when it names none.
int32_t eventKindOf(const char* keyword);

// Steps after the "%": "." is off, anything else on, the first is bit 0. Only the first
// MAX_PATTERN_STEPS count, so the result stays a non-negative int32.
constexpr int32_t MAX_PATTERN_STEPS = 31;
int32_t stepPatternBits(const char* pattern);

bool isStepPattern(const char* argument);
bool isSwitchOn(const char* argument);
