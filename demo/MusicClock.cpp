// Virtual music clock: an integer millisecond count, so long runs never drift.
#include "demo/MusicClock.h"

namespace {
uint64_t elapsedMs = 0;
}

void virtualClockReset() {
    elapsedMs = 0;
}

void virtualClockAdvance(uint32_t ms) {
    elapsedMs += ms;
}

double virtualClockSeconds() {
    return static_cast<double>(elapsedMs) / 1000.0;
}
