// Grid lines are offsetMs + k * unitMs for whole k, negative k too when the song has a lead-in
// before pattern 0.
#include "script/BeatGrid.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "script/ScriptNumbers.h"

namespace {

// How close to a line a time may be and still count as on it.
constexpr double ON_LINE_MS = 1.0;

double firstLineFromStart(const BeatGrid& grid, double unit) {
    return grid.tempo.offsetMs - std::floor(grid.tempo.offsetMs / unit) * unit;
}

}  // namespace

double BeatGrid::unitMs(GridUnit unit) const {
    switch (unit) {
        case GridUnit::Pattern:
            return tempo.patternMs();
        case GridUnit::Beat:
            return tempo.beatMs();
        case GridUnit::HalfBeat:
            return tempo.beatMs() / 2.0;
        case GridUnit::QuarterBeat:
            return tempo.beatMs() / 4.0;
        case GridUnit::Step:
            return tempo.stepMs();
    }
    return tempo.beatMs();
}

double BeatGrid::snap(double ms, GridUnit unit) const {
    const double size = unitMs(unit);
    const double line = tempo.offsetMs + std::round((ms - tempo.offsetMs) / size) * size;
    return line < 0.0 ? firstLineFromStart(*this, size) : line;
}

double BeatGrid::step(double ms, GridUnit unit, int32_t count) const {
    const double size = unitMs(unit);
    double lines = 0.0;
    if (count > 0) {
        lines = std::floor((ms + ON_LINE_MS - tempo.offsetMs) / size) + count;
    } else if (count < 0) {
        lines = std::ceil((ms - ON_LINE_MS - tempo.offsetMs) / size) + count;
    } else {
        return ms;
    }
    const double line = tempo.offsetMs + lines * size;
    return line < 0.0 ? firstLineFromStart(*this, size) : line;
}

std::string BeatGrid::patternBeat(double ms) const {
    // To the hundredth of a beat first, so a time a float just misses still names its beat.
    const double beats = std::round((ms - tempo.offsetMs) / tempo.beatMs() * 100.0) / 100.0;
    const double pattern = std::floor(beats / tempo.beatsPerPattern());
    // Adding 0 turns a -0 into 0, which printf would write with its sign.
    char text[64];
    std::snprintf(text, sizeof text, "%.0f:%.2f", pattern + 0.0,
                  beats - pattern * tempo.beatsPerPattern() + 0.0);
    return text;
}

std::string BeatGrid::label(double ms) const {
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "  %.2f s", ms / 1000.0);
    return patternBeat(ms) + seconds;
}

BeatGrid scriptBeatGrid(const DemoScript& script) {
    return BeatGrid{scriptTempo(script)};
}

int32_t wholeMs(double ms) {
    return saturateToInt32(std::floor(ms + 1e-6));
}
