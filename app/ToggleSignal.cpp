// SIGUSR1 listener thread: sigwait, then push the toggle event (SDL_PushEvent is thread-safe).
#include "app/ToggleSignal.h"

#include <SDL.h>
#include <pthread.h>
#include <signal.h>

#include <atomic>
#include <thread>

namespace {

std::thread listener;
std::atomic<bool> stopping{false};

sigset_t toggleSet() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGUSR1);
    return set;
}

void listen(uint32_t eventType) {
    const sigset_t set = toggleSet();
    for (;;) {
        int received = 0;
        if (sigwait(&set, &received) != 0) continue;
        if (stopping.load()) return;
        SDL_Event event{};
        event.type = eventType;
        SDL_PushEvent(&event);
    }
}

}  // namespace

void blockToggleSignal() {
    const sigset_t set = toggleSet();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

void startToggleListener(uint32_t eventType) {
    if (listener.joinable()) return;
    stopping = false;
    listener = std::thread(listen, eventType);
}

void stopToggleListener() {
    if (!listener.joinable()) return;
    stopping = true;
    pthread_kill(listener.native_handle(), SIGUSR1);
    listener.join();
}
