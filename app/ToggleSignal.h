// For programs other than the player that host the shell (the frame-hash tool):
// SIGUSR1 blocked as the player blocks it, so that a toggle sent to them is not
// fatal. They start no listener: SIGINT and SIGTERM keep their default effect.
// The player itself uses OutsideSignals.h.
#pragma once

#include <signal.h>

// Blocks SIGUSR1 in this thread and every thread made after.
inline void blockToggleSignal() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGUSR1);
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}
