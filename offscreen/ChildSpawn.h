// Starting a helper program (ffmpeg, ffprobe) and waiting for its end, the one way
// both the piped encoder and the programs whose report we read do it.
#pragma once

#include <spawn.h>
#include <sys/types.h>

#include <string>
#include <vector>

// Starts `path` with `args` and `actions`, with no signal blocked: the player blocks
// the signals it waits for on a thread, and a child must still end on Ctrl-C.
// 0, or the errno value posix_spawn gave.
int spawnChild(const std::string& path, const std::vector<std::string>& args,
               const posix_spawn_file_actions_t& actions, pid_t& pid);

// The child's exit status once it has ended (waited for across signals); -1 when it
// did not exit by itself or cannot be waited for.
int exitStatusOf(pid_t pid);
