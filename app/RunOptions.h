// How this run was asked to go: the command-line additions, defaults in one place,
// and the run plan they make. No options at all is the plain show (the full-screen
// question, the song as heard).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/Shell.h"
#include "newshow/NewShow.h"
#include "offscreen/CaptureFormat.h"
#include "player/Player.h"

struct RunOptions {
    ScreenChoice screen = ScreenChoice::Ask;
    // Deterministic run: `frames` frames of `dtMs` each on the virtual music clock,
    // offscreen, no sound device, no question. Off while frames is 0.
    int64_t frames = 0;
    uint32_t dtMs = 16;
    bool trace = false;
    std::string dataDir;  // change into it before anything is loaded; empty: stay
    // Capture and benchmark are deterministic runs whose frame k falls at song time
    // round(k * 1000 / fps) ms instead of every dtMs.
    std::string captureFile;  // a video (.mp4, .mkv, .webm) or numbered PNGs (a name with %)
    bool benchmark = false;
    bool json = false;   // the benchmark's report as one JSON object
    bool quiet = false;  // no progress bar
    bool noSound = false;  // a capture without the song as its sound track
    uint32_t fps = 60;
    // Where drawing starts and (capture, benchmark) ends, as given: show time words
    // or seconds, read once the script is known; empty: the start, the song's end.
    std::string start;
    std::string end;
    double startMs = 0.0;
    double endMs = -1.0;  // negative: the song's end
    // Capture and benchmark at another frame size, the show's 4:3 picture centred in it.
    std::string size;  // as given: "WIDTHxHEIGHT"; empty: 640 x 480, a video VIDEO_WIDTH x VIDEO_HEIGHT
    int32_t frameWidth = 640;
    int32_t frameHeight = 480;
    VideoEncoding encoding;  // libx264's crf and preset
    // Capture in ranges: print the capture's frames as `split` ranges instead of
    // capturing (0: don't); join range videos: the output, then the parts in order.
    int64_t split = 0;
    std::vector<std::string> join;
    // Tools that run instead of the show: the check of the script and data, the timeline.
    bool check = false;
    std::string timelineFile;
    std::string benchReport;  // a --benchmark --json report for the timeline's cost lane
    // Rewriting the script: FROM and BY as given (empty: no shift); a dry run prints the diff.
    std::vector<std::string> shift;
    bool dryRun = false;
    // Authoring in a window: pause, seek and loop by keys, a status line.
    bool edit = false;
    bool fixedFrameTime = false;  // --dt given: frames of dtMs on a virtual clock
    std::string loop;             // "A..B", read like start and end
    double loopStartMs = -1.0;    // negative: no loop
    double loopEndMs = -1.0;
    float uiScale = 0.0f;  // the editor's letters and panels; 0: from the display
    // Full screen at the desktop's own size, the picture drawn at it; no question.
    bool fill = false;
    // A new show written into a folder instead of playing one (--new, --song, --bpm).
    NewShowRequest newShow;
    int64_t newShowBpm = 0;  // 0: found from the song

    bool deterministic() const { return frames > 0; }
    bool fixedRate() const { return !captureFile.empty() || benchmark || split > 0; }
};

// The plan these options ask for (capture and benchmark set their own clock).
RunPlan runPlanFor(const RunOptions& options);
