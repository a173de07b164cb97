// The virtual music clock of runs that must be the same on every machine: song
// time that advances only by the frame times handed to it. Whoever runs the show
// owns one and hands it to the music stream explicitly.
#pragma once

#include <cstdint>

class VirtualClock {
public:
    void reset() { elapsedMs_ = 0; }
    void set(uint64_t ms) { elapsedMs_ = ms; }
    void advance(uint32_t ms) { elapsedMs_ += ms; }
    // Whole milliseconds since the reset, as seconds in double precision.
    double seconds() const { return static_cast<double>(elapsedMs_) / 1000.0; }
    uint64_t milliseconds() const { return elapsedMs_; }

private:
    uint64_t elapsedMs_ = 0;  // an integer count, so long runs never drift
};
