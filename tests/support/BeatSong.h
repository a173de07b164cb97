// A synthetic song with a known beat: silence for a lead-in, then a kick on every
// beat and a quieter hat between them, so tempo finding can be checked against the
// truth. Written with libsndfile in the format its name asks for.
#pragma once

#include <string>

struct BeatSongSpec {
    double bpm = 125.0;
    double leadInSeconds = 1.0;  // silence before the first kick, which is on the beat
    double seconds = 20.0;
    bool offbeatHats = true;
};

// Writes the song to `path`: .wav (16-bit PCM), .ogg (Vorbis) or .flac, stereo 44.1 kHz.
// Throws when libsndfile refuses.
void writeBeatSong(const std::string& path, const BeatSongSpec& spec);
