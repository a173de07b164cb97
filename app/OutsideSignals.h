// Signals from outside: SIGUSR1 toggles the display mode; SIGINT and SIGTERM end
// the run as Escape does, closing a message box that is up at that moment. A
// signal handler may not call SDL, so one thread waits for all three instead.
#pragma once

#include <cstdint>
#include <thread>

// Blocks the three signals in this thread and every thread made after; call first
// in main, before any thread exists, so that only the listener receives them.
void blockOutsideSignals();

// The listening thread, for as long as this object lives.
class OutsideSignalListener {
public:
    OutsideSignalListener();
    ~OutsideSignalListener();
    OutsideSignalListener(const OutsideSignalListener&) = delete;
    OutsideSignalListener& operator=(const OutsideSignalListener&) = delete;

private:
    std::thread thread_;
};

// While SDL's events are running: SIGUSR1 becomes an event of `toggleEventType`,
// SIGINT and SIGTERM an SDL_QUIT (posted at once if a stop came before).
void deliverSignalsAsEvents(uint32_t toggleEventType);
// Before SDL's events stop: signals are no longer posted.
void holdSignalEvents();

// True once SIGINT or SIGTERM has arrived.
bool stopRequested();

// Marks a message box as up for its lifetime; a stop then ends the box's process.
// Check stopRequested() after making one: a stop before it is not seen by the box.
class ShownMessageBox {
public:
    ShownMessageBox();
    ~ShownMessageBox();
    ShownMessageBox(const ShownMessageBox&) = delete;
    ShownMessageBox& operator=(const ShownMessageBox&) = delete;
};
