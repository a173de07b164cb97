// One thread sigwaits for SIGUSR1, SIGINT and SIGTERM and turns them into SDL
// events (SDL_PushEvent is thread-safe) while the shell says SDL's events run. A
// stop while a message box is up ends the box's process: SDL then returns from
// the box as if none could be shown, and the shell winds down.
#include "app/OutsideSignals.h"

#include <SDL.h>
#include <pthread.h>
#include <signal.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

#include "app/ChildProcesses.h"

namespace {

constexpr auto BOX_WATCH_INTERVAL = std::chrono::milliseconds(10);

std::thread listener;
std::atomic<bool> listenerStopping{false};
std::atomic<bool> stopSignalled{false};
std::atomic<int> boxesUp{0};

// Whether and where to post events; changed and used under the lock, so no event
// is posted while SDL's event queue is being started or stopped.
std::mutex routeLock;
bool routed = false;
uint32_t toggleEvent = 0;

sigset_t outsideSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGUSR1);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

void post(uint32_t type) {
    const std::lock_guard<std::mutex> lock(routeLock);
    if (!routed) return;
    SDL_Event event{};
    event.type = type;
    SDL_PushEvent(&event);
}

// Ends the processes of the boxes that are up, until none is: the box may be
// forked a moment after the stop was seen. The box's own check of the stop flag
// covers the other order.
void closeMessageBoxes() {
    while (boxesUp.load() > 0 && !listenerStopping.load()) {
        killChildProcesses();
        std::this_thread::sleep_for(BOX_WATCH_INTERVAL);
    }
}

void listen() {
    const sigset_t set = outsideSignals();
    for (;;) {
        int received = 0;
        if (sigwait(&set, &received) != 0) continue;
        if (listenerStopping.load()) return;
        if (received == SIGUSR1) {
            post(toggleEvent);
            continue;
        }
        stopSignalled = true;
        closeMessageBoxes();
        post(SDL_QUIT);
    }
}

}  // namespace

void blockOutsideSignals() {
    const sigset_t set = outsideSignals();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    // The listener answers SIGINT and SIGTERM; SDL's own handlers would never run.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
}

OutsideSignalListener::OutsideSignalListener() {
    listenerStopping = false;
    listener = std::thread(listen);
}

OutsideSignalListener::~OutsideSignalListener() {
    listenerStopping = true;
    pthread_kill(listener.native_handle(), SIGUSR1);
    listener.join();
}

void deliverSignalsAsEvents(uint32_t toggleEventType) {
    {
        const std::lock_guard<std::mutex> lock(routeLock);
        routed = true;
        toggleEvent = toggleEventType;
    }
    if (stopSignalled.load()) post(SDL_QUIT);
}

void holdSignalEvents() {
    const std::lock_guard<std::mutex> lock(routeLock);
    routed = false;
}

bool stopRequested() {
    return stopSignalled.load();
}

ShownMessageBox::ShownMessageBox() {
    ++boxesUp;
}

ShownMessageBox::~ShownMessageBox() {
    --boxesUp;
}
