// Starting a helper program (ffmpeg, ffprobe) and waiting for its end, the one way
// both the piped encoder and the programs whose report we read do it.
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

// Where the child's standard input and output come from.
struct ChildStreams {
    int input = -1;   // becomes its standard input; -1: /dev/null
    int output = -1;  // becomes its standard output; -1: ours
};

// Starts `path` with `args`, with no signal blocked (the player blocks the signals
// it waits for on a thread, and a child must still end on Ctrl-C) and bound to die
// with the thread that started it, so that no helper outlives a killed player.
// 0, or the errno value that kept it from starting.
int spawnChild(const std::string& path, const std::vector<std::string>& args, const ChildStreams& streams,
               pid_t& pid);

// The child's exit status once it has ended (waited for across signals); -1 when it
// did not exit by itself or cannot be waited for.
int exitStatusOf(pid_t pid);

// As exitStatusOf, but while it runs `stopAsked` is asked every few milliseconds;
// once it says yes the child is killed and -1 is the answer.
int exitStatusUnlessStopped(pid_t pid, const std::function<bool()>& stopAsked);
