// The player core: the show as every way of running drives it. A run plan says
// which clock the song follows, how long the run is and who watches its frames;
// a Player opens the show on a window for that plan, runs it one frame at a time
// (update, then draw and show, or update only) and closes it. The window, keys
// and services come from whatever hosts it (the shell, a test, a benchmark).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "demo/ShellServices.h"

class VirtualClock;

// One frame as its observers see it.
struct PlayerFrame {
    GLWindow& window;
    ShellServices& shell;
    int64_t number = 0;  // frames of this run before it, from 0
};

// Watches the frames of a run.
class FrameObserver {
public:
    virtual ~FrameObserver() = default;
    // The frame is drawn and not yet shown; false stops the run after this frame.
    virtual bool frameDrawn(const PlayerFrame& frame) = 0;
    // The frame has been shown.
    virtual void frameShown(const PlayerFrame& /*frame*/) {}
};

enum class FrameClock {
    Heard,      // the song as heard on the sound output; frame times measured by the host
    FixedStep,  // every frame dtMs long, on a virtual song clock, no sound device
    Schedule,   // frame k at round(k * 1000 / fps) ms of song, on a virtual clock
};

struct RunPlan {
    FrameClock clock = FrameClock::Heard;
    uint32_t dtMs = 16;
    uint32_t fps = 60;
    int64_t frames = 0;  // the run ends after this many frames; 0: when the host ends it
    bool trace = false;  // one trace line per frame on standard output
    std::vector<FrameObserver*> observers;  // not owned; told after the trace, in order

    bool virtualClock() const { return clock != FrameClock::Heard; }
};

class Player {
public:
    explicit Player(RunPlan plan);
    ~Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // Starts the show on the host's window; false when it could not start (then
    // close() still runs). The frame count and the clock's schedule go on across
    // a close and a new open, as the mode toggle makes them.
    bool open(GLWindow& window, KeyState& keys, ShellServices& shell);
    // One frame: update by the clock's frame time (`measuredDt` on the Heard clock),
    // then draw it, tell the observers and show it, or only update when !draw.
    void frame(uint32_t measuredDt, bool draw = true);
    // Stops the show and frees what open() made. Safe to call twice.
    void close();

    const RunPlan& plan() const { return plan_; }
    // The run's virtual song clock; null on the Heard clock.
    VirtualClock* songClock();
    int64_t framesDrawn() const { return framesDrawn_; }

private:
    struct Run;
    uint32_t nextFrameTime(uint32_t measuredDt);
    void showFrame();

    RunPlan plan_;
    std::unique_ptr<Run> run_;
    GLWindow* window_ = nullptr;
    ShellServices* shell_ = nullptr;
    int64_t framesDrawn_ = 0;
    bool open_ = false;
};

// Runs a plan to its end on a window of the host's making; the process's exit code.
// Ways of running that need a window but are not the shell (capture, benchmark)
// are handed one of these.
using PlanRunner = std::function<int(const RunPlan&)>;
