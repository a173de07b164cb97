// Frame-exact capture: the show rendered offscreen on the virtual clock, every
// frame piped to ffmpeg, the song muxed in. Not the encoder itself.
#pragma once

#include <string>

#include "offscreen/CaptureFormat.h"
#include "player/Player.h"
#include "player/ShowLength.h"

struct CaptureRequest {
    std::string file;    // a video (.mp4, .mkv, .webm) or numbered PNGs (a name with %)
    bool quiet = false;  // no progress bar, nor the closing line naming the file
    VideoEncoding encoding;
    // The song as the video's sound track. A video with sound needs a song that can
    // be read; without, the song only sets the length (when no frame count is given).
    bool withSound = true;
};

// Runs the capture of `range` with `plan` (its fps; its frame count, or the range)
// through `runShow`; the process's exit code (1 on any failure, nothing left behind,
// a song that cannot be read for a video with sound included). Numbered frames carry
// their number in the whole show; a video carries the song from the range's first
// frame on, and its range in its comment tag for joining.
// The frames are plan.frameWidth x plan.frameHeight.
int runCapture(const CaptureRequest& request, const ShowRange& range, RunPlan plan,
               const PlanRunner& runShow);
