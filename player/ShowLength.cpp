// Reads the script for its song file and measures the song by decoding it.
#include "player/ShowLength.h"

#include <algorithm>
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

bool settleRange(RunPlan& plan, const ShowRange& range, const ShowSong& song, int64_t& firstFrame) {
    plan.startMs = range.startMs;
    firstFrame = firstFrameAtOrAfter(plan, range.startMs);
    if (plan.frames > 0) return true;
    if (range.endMs >= 0.0) {
        plan.frames = std::max<int64_t>(1, firstFrameAtOrAfter(plan, range.endMs) - firstFrame);
        return true;
    }
    if (!settleFrameCount(plan, song)) return false;
    plan.frames = std::max<int64_t>(1, plan.frames - firstFrame);
    return true;
}
