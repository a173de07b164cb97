// What aubio hears in a song: the beats its tracker finds, every onset (a note or
// drum starting) with how loud it starts, and the tracker's tempo estimate. Times
// in seconds of song.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct Onset {
    double seconds = 0.0;
    double strength = 0.0;  // the loudest energy of the mix just after it starts
};

struct HeardSong {
    std::vector<double> beats;
    std::vector<Onset> onsets;
    double trackerBpm = 0.0;  // aubio's estimate at the end of the song; 0 when it found none
    double seconds = 0.0;     // the song's length as decoded
};

// Decodes the whole song (SongReader), mixed down to one channel, through aubio's
// beat tracker and onset detector. Empty, with libsndfile's reason in `error`, when
// the song cannot be read.
std::optional<HeardSong> listenToSong(const std::string& path, std::string& error);
