// The song's arrangement: for every pattern, which drum rows play, what the bass,
// pad and lead do and how open their filters are (PatternPlan), and the rendering
// of all patterns into separate buses for the mix.
#pragma once

#include <cstddef>
#include <vector>

#include "generator/SongStructure.h"
#include "generator/StereoBuffer.h"

struct PatternPlan {
    const char* kick = nullptr;  // drum rows; null where the drum rests
    const char* clap = nullptr;
    const char* snare = nullptr;
    const char* closedHat = nullptr;
    const char* openHat = nullptr;
    const char* bass = nullptr;
    double snareGain = 0.0;
    double hatGain = 1.0;
    double bassBrightness = 0.0;
    double padBrightness = 0.0;  // 0 = no pad
    double padGain = 1.0;
    int padPatterns = 1;  // how many patterns the pad chord is held
    double leadBrightness = 0.0;
    double leadGain = 0.0;
    bool crash = false;
    std::size_t riserFrames = 0;  // a riser starting with this pattern
};

PatternPlan planFor(int pattern);

struct SongBuses {
    explicit SongBuses(std::size_t frames)
        : drums(frames), bass(frames), pad(frames), lead(frames), effects(frames) {}

    StereoBuffer drums;
    StereoBuffer bass;
    StereoBuffer pad;
    StereoBuffer lead;
    StereoBuffer effects;
    std::vector<std::size_t> kicks;  // frames of every kick, for the mix's ducking
};

// The whole song, every pattern in order.
SongBuses arrange();
// The song's patterns in the order given, each played as in the whole song, only
// earlier or later; the buses end TAIL_FRAMES after the last of them.
SongBuses arrange(const std::vector<int>& patterns);
