// Reads the script for its song file and measures the song by decoding it.
#include "app/ShowSong.h"

#include <cstdio>

#include "app/FrameTimer.h"
#include "demo/MusicStream.h"
#include "demo/RunOptions.h"
#include "script/DemoScript.h"

ShowSong readShowSong(bool measure) {
    ShowSong song;
    const DemoScript script("data/script.txt");
    song.file = script.songfile;
    if (measure && !song.file.empty()) song.seconds = measureSongSeconds(song.file.c_str());
    return song;
}

bool settleFrameCount(RunOptions& options, const ShowSong& song) {
    if (options.frames > 0) return true;
    if (song.seconds < 0.0) {
        std::fprintf(stderr,
                     "flashstep: cannot read the song \"%s\" to learn the show's length (give --frames)\n",
                     song.file.c_str());
        return false;
    }
    options.frames = framesToCover(song.seconds, options.fps);
    return true;
}
