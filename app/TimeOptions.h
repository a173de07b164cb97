// The times of the command line (--start, --end, --loop), read once the script's
// tempo is known and held to the show's length: a time past the song's end is a
// usage error naming its option, not a run that replays nothing for hours.
#pragma once

#include "app/RunOptions.h"

// A run that counts its own frames (--frames) may start after the song, but never
// later than this; the same bound holds when the song cannot be measured.
inline constexpr double LATEST_TIME_MS = 3600.0 * 1000.0;

// Sets startMs, endMs and the loop's ends from their words; throws
// CLI::ValidationError naming the option for a word that is no time or lies
// past the show.
void resolveTimes(RunOptions& options);
