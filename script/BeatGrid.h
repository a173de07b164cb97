// The beat grid of a show: lines at every pattern, beat, half and quarter beat and step, counted
// from the song time of pattern 0 beat 0. Snaps a picked time to the nearest line, steps from a
// time to the next or previous line, and names a time as pattern:beat. Pure arithmetic.
#pragma once

#include <cstdint>
#include <string>

#include "script/ScriptTempo.h"

enum class GridUnit { Pattern, Beat, HalfBeat, QuarterBeat, Step };

struct BeatGrid {
    ScriptTempo tempo;  // its offset is the song time of pattern 0, beat 0

    double unitMs(GridUnit unit) const;
    // The line of `unit` nearest `ms`, never before the song's start.
    double snap(double ms, GridUnit unit) const;
    // `count` lines of `unit` on from `ms` (back when negative), never before the song's start.
    // A time less than a millisecond from a line counts as on it: the loader keeps whole
    // milliseconds, so an event written for a line lies up to one below it.
    double step(double ms, GridUnit unit, int32_t count) const;
    // "15:2.50": patterns and beats counted from 0, to the hundredth of a beat.
    std::string patternBeat(double ms) const;
    // "15:2.50  29.76 s"
    std::string label(double ms) const;
};

// The grid of a loaded script: its final tempo and its offset.
BeatGrid scriptBeatGrid(const DemoScript& script);

// The whole millisecond an event written for the time `ms` (a line of the grid, say) gets.
int32_t wholeMs(double ms);
