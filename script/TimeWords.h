// Converts a script's time word into song milliseconds with the tempo in force: beats ("12.5")
// or patterns and beats ("3:2"). Pure arithmetic; reading words and tempo bookkeeping live elsewhere.
#pragma once

#include <cstdint>

// `bpm` and `patternSpeed` must be positive (the loader keeps them so). Results that do not fit
// an int32 saturate at its ends.
int32_t timeWordToMs(const char* word, int32_t bpm, int32_t patternLength, int32_t patternSpeed);
