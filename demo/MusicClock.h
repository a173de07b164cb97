// The virtual music clock of deterministic runs: song time that advances only by
// the frame times the shell hands it, so that a run is the same on every machine.
#pragma once

#include <cstdint>

void virtualClockReset();
void virtualClockAdvance(uint32_t ms);
// Whole milliseconds since the reset, as seconds in double precision.
double virtualClockSeconds();
