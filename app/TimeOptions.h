// The times of the command line (--start, --end, --loop), read once the script's
// tempo is known and held to the show's length: a time past the song's end is a
// usage error naming its option, not a run that replays nothing for hours. A run
// that counts its own frames (--frames) may start after the song, but not later
// than LATEST_START_MS; that bound holds too when the song cannot be measured.
#pragma once

#include "app/RunOptions.h"

// Sets startMs, endMs and the loop's ends from their words; throws
// CLI::ValidationError naming the option for a word that is no time or lies
// past the show.
void resolveTimes(RunOptions& options);
