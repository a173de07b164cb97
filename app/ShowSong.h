// The show's song and its length, read before an offscreen run so that capture
// and benchmark know how many frames the whole show takes.
#pragma once

#include <string>

struct RunOptions;

struct ShowSong {
    std::string file;       // as the script names it, relative to the working directory
    double seconds = -1.0;  // negative when the song cannot be read
};

// The song named by data/script.txt, measured by decoding it unless `measure` is false.
ShowSong readShowSong(bool measure = true);
// Sets `options.frames` to cover the whole song at options.fps unless a count was
// asked for; false (with a message on standard error) when neither is known.
bool settleFrameCount(RunOptions& options, const ShowSong& song);
