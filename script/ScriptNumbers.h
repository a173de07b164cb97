// Number conversions the script needs, made total: nothing here overflows or is undefined for
// any input word. No tempo or time logic (see TimeWords.h).
#pragma once

#include <cstdint>

// Truncates toward zero; values beyond int32 saturate at its ends, NaN gives 0.
int32_t saturateToInt32(double value);
int32_t saturateToInt32(int64_t value);

// atoi-like reading of a header value (leading blanks, sign, digits), clamped to int32;
// a word that does not start with a number reads as 0.
int32_t headerInteger(const char* word);
