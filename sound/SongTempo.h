// A song's tempo and first beat, as the script's beat grid needs them, fitted to what
// was heard in it: a whole-number tempo (the script's bpm is a whole number) and the
// song time of the grid's first beat, pattern 0 beat 0. Pure arithmetic on beat and onset times.
#pragma once

#include <cstdint>
#include <optional>

#include "sound/SongListening.h"

struct SongTempo {
    int32_t bpm = 0;
    double firstBeatSeconds = 0.0;
};

// The tempo is the whole number near the tracker's estimate on whose grid the onsets,
// weighed by loudness, fit best, unless `bpm` gives it. The grid's phase is the one
// that best fits every onset modulo the period (loud hits, the beats, count most),
// refined on the onsets close to its lines; the first beat is the first grid line
// from a quarter beat before the music's first onset, so the grid starts where the
// music does. Onsets are sharper than the tracker's beats, which are fitted only
// when there are no onsets. Empty when there is nothing to fit a tempo to and none
// is given.
std::optional<SongTempo> fitSongTempo(const HeardSong& heard, std::optional<int32_t> bpm);
