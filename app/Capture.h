// Frame-exact capture: the show rendered offscreen on the virtual clock, every
// frame piped to ffmpeg, the song muxed in. Not the encoder itself.
#pragma once

struct RunOptions;

// Runs the whole capture; the process's exit code (1 on any failure, nothing left behind).
int runCapture(RunOptions& options);
