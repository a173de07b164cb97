// Reads the script for its song file and measures the song by decoding it; when
// the song cannot be read, libsndfile says why.
#include "player/ShowLength.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "base/Printable.h"
#include "clock/FrameSchedule.h"
#include "player/Player.h"
#include "script/DemoScript.h"
#include "sound/SongReader.h"

ShowSong readShowSong(bool measure) {
    ShowSong song;
    const DemoScript script(DemoScript::SCRIPT_FILE);
    song.file = script.songfile;
    if (!measure) return song;
    if (song.file.empty()) {
        song.problem = "the script names no song";
        return song;
    }
    SongReader reader(song.file);
    if (reader.isOpen()) {
        song.seconds = decodedSeconds(reader);
    } else {
        song.problem = reader.error();
    }
    return song;
}

bool settleFrameCount(RunPlan& plan, const ShowSong& song) {
    if (plan.frames > 0) return true;
    if (song.seconds < 0.0) {
        std::fprintf(stderr,
                     "flashstep: cannot read the song %s to learn the show's length (%s); give --frames\n",
                     songNameForMessages(song).c_str(), song.problem.c_str());
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

std::string songNameForMessages(const ShowSong& song) {
    std::error_code error;
    const std::filesystem::path path = std::filesystem::absolute(song.file, error);
    return "\"" + printable(error || song.file.empty() ? song.file : path.string()) + "\"";
}
