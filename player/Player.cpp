// The frame step every way of running shares: the clock's frame time, the
// driver's update and draw, the trace, the observers and the swap, in that order.
#include "player/Player.h"

#include <cstdio>
#include <utility>

#include "demo/Demo.h"
#include "demo/MusicClock.h"
#include "demo/Trace.h"
#include "player/FrameSchedule.h"

// What lasts for the whole run, across the mode toggle's restarts.
struct Player::Run {
    FrameSchedule schedule;
    VirtualClock songClock;
};

Player::Player(RunPlan plan) : plan_(std::move(plan)), run_(std::make_unique<Run>()) {
    run_->schedule.fixedRate = plan_.clock == FrameClock::Schedule;
    run_->schedule.dtMs = plan_.dtMs;
    run_->schedule.fps = plan_.fps;
}

Player::~Player() {
    close();
}

bool Player::open(GLWindow& window, KeyState& keys, ShellServices& shell) {
    window_ = &window;
    shell_ = &shell;
    open_ = true;
    const DemoHost host{&shell, songClock()};
    return demoInit(window, keys, host);
}

void Player::close() {
    if (!open_) return;
    demoShutdown();
    open_ = false;
}

VirtualClock* Player::songClock() {
    return plan_.virtualClock() ? &run_->songClock : nullptr;
}

uint32_t Player::nextFrameTime(uint32_t measuredDt) {
    if (!plan_.virtualClock()) return measuredDt;
    const uint32_t dt = run_->schedule.next();
    run_->songClock.advance(dt);
    return dt;
}

void Player::frame(uint32_t measuredDt, bool draw) {
    demoUpdate(nextFrameTime(measuredDt));
    if (draw) {
        demoDraw();
        showFrame();
    }
}

void Player::showFrame() {
    const PlayerFrame frame{*window_, *shell_, framesDrawn_};
    if (plan_.trace) writeTraceLine(stdout, frame.number);
    bool goOn = true;
    for (FrameObserver* observer : plan_.observers) goOn = observer->frameDrawn(frame) && goOn;
    ++framesDrawn_;
    if (!goOn || (plan_.frames > 0 && framesDrawn_ >= plan_.frames)) shell_->requestQuit(*window_);
    shell_->swapBuffers(*window_);
    for (FrameObserver* observer : plan_.observers) observer->frameShown(frame);
}
