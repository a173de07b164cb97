// Reads the script for its song file and measures the song by decoding it.
#include "player/ShowLength.h"

#include <cstdio>

#include "demo/MusicStream.h"
#include "player/FrameSchedule.h"
#include "player/Player.h"
#include "script/DemoScript.h"

ShowSong readShowSong(bool measure) {
    ShowSong song;
    const DemoScript script("data/script.txt");
    song.file = script.songfile;
    if (measure && !song.file.empty()) song.seconds = measureSongSeconds(song.file.c_str());
    return song;
}

bool settleFrameCount(RunPlan& plan, const ShowSong& song) {
    if (plan.frames > 0) return true;
    if (song.seconds < 0.0) {
        std::fprintf(stderr,
                     "flashstep: cannot read the song \"%s\" to learn the show's length (give --frames)\n",
                     song.file.c_str());
        return false;
    }
    plan.frames = framesToCover(song.seconds, plan.fps);
    return true;
}
