// The direct child processes of this process, found in /proc. SDL shows its X11
// message boxes from a forked child whose id it keeps to itself; this finds it.
#pragma once

#include <sys/types.h>

#include <vector>

// Ids of the processes whose parent is this process, in no particular order.
std::vector<pid_t> childProcesses();

// Ends every child process with SIGKILL: a forked child keeps our blocked
// signals, so SIGTERM would wait unseen. The parent still reaps them.
void killChildProcesses();
