// Converts a script's time word into song milliseconds with the tempo in force: beats ("12.5")
// or patterns and beats ("3:2"). Pure arithmetic; reading words and tempo bookkeeping live elsewhere.
#pragma once

#include <cstdint>

// The numbers a time word stands for, and whether every character of it took part.
struct TimeWordReading {
    bool patternForm = false;  // the word holds a ":": patterns, then beats
    double patterns = 0.0;
    double beats = 0.0;
    // One number read to its end, or two joined by ":"s and each read to its end. Not so for
    // "12abc" (12), "0,5" (0), "1:2:3" (1:2) or "3:" (3:0).
    bool readWhole = false;
};

TimeWordReading readTimeWord(const char* word);

// `bpm` and `patternSpeed` must be positive (the loader keeps them so). Results that do not fit
// an int32 saturate at its ends.
int32_t timeReadingToMs(const TimeWordReading& reading, int32_t bpm, int32_t patternLength,
                        int32_t patternSpeed);
int32_t timeWordToMs(const char* word, int32_t bpm, int32_t patternLength, int32_t patternSpeed);

// The song time of a time `fromBeatZeroMs` after pattern 0 beat 0, which lies at `offsetMs`;
// saturates at the ends of int32. With no offset it is the time itself.
int32_t songTimeMs(int32_t fromBeatZeroMs, int32_t offsetMs);
