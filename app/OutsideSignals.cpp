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

#include "app/ChildProcesses.h"

namespace {

constexpr auto BOX_WATCH_INTERVAL = std::chrono::milliseconds(10);

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

enum class Posted { Toggle, Stop };

void post(Posted what) {
    const std::lock_guard<std::mutex> lock(routeLock);
    if (!routed) return;
    SDL_Event event{};
    event.type = what == Posted::Stop ? static_cast<uint32_t>(SDL_QUIT) : toggleEvent;
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
            post(Posted::Toggle);
            continue;
        }
        stopSignalled = true;
        closeMessageBoxes();
        post(Posted::Stop);
    }
}

}  // namespace

void blockOutsideSignals() {
    const sigset_t set = outsideSignals();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    // The listener answers SIGINT and SIGTERM; SDL's own handlers would never run.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
}

OutsideSignalListener::OutsideSignalListener() : thread_(listen) {}

OutsideSignalListener::~OutsideSignalListener() {
    listenerStopping = true;
    pthread_kill(thread_.native_handle(), SIGUSR1);  // wakes its sigwait
    thread_.join();
}

void deliverSignalsAsEvents(uint32_t toggleEventType) {
    {
        const std::lock_guard<std::mutex> lock(routeLock);
        routed = true;
        toggleEvent = toggleEventType;
    }
    if (stopSignalled.load()) post(Posted::Stop);
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
