// What a new version of the script changes: the first song time from which it can
// play differently from the old one. Frames before it are the same with either, so
// a reload replays only from there, or not at all when that time is still ahead.
#pragma once

#include <limits>

class DemoScript;

constexpr double NO_DIFFERENCE = std::numeric_limits<double>::infinity();

// Milliseconds of song from which `before` and `after` may differ; NO_DIFFERENCE when
// they are the same show. Tempo, pattern geometry and the initial event count from 0.
double firstDifferenceMs(const DemoScript& before, const DemoScript& after);
