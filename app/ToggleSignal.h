// The mode toggle from outside: SIGUSR1 becomes an SDL user event. A signal
// handler may not call SDL, so a small thread waits for the signal instead.
#pragma once

#include <cstdint>

// Blocks SIGUSR1 in this thread and every thread made after; call first in main.
void blockToggleSignal();
// Starts the thread that turns each SIGUSR1 into an event of `eventType`.
void startToggleListener(uint32_t eventType);
void stopToggleListener();
