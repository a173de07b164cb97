// Seeks, pause, scrubbing and the loop's laps, on the player.
#include "app/EditTransport.h"

#include <algorithm>

#include "app/Shell.h"
#include "player/Moment.h"
#include "player/ShowTime.h"

namespace {

constexpr double SCRUB_SLICE_MS = 80.0;

}  // namespace

EditTransport::EditTransport(Player& player, GLWindow& window) : player_(player), window_(window) {}

double EditTransport::positionMs() const {
    return player_.songSeconds() * 1000.0;
}

std::string EditTransport::seekTo(double ms) {
    ms = std::max(0.0, ms);
    player_.seek(ms);
    if (paused_) {
        // The paused picture shows where the seek went.
        const int64_t next = player_.nextFrame();
        const RunPlan& plan = player_.plan();
        const int64_t dt = next > 0 ? replayFrameMs(plan, next) - replayFrameMs(plan, next - 1) : 0;
        player_.frame(static_cast<uint32_t>(dt));
    }
    restartFrameClock(window_);
    return "seek to " + patternBeatText(ms / 1000.0, player_.script());
}

std::string EditTransport::stepBy(double ms) {
    const std::string done = seekTo(positionMs() + ms);
    hearPlayHead();
    return done;
}

std::string EditTransport::togglePause() {
    paused_ = !paused_;
    player_.setPaused(paused_);
    restartFrameClock(window_);
    return paused_ ? "paused" : "playing";
}

std::string EditTransport::setLoopStart() {
    loopStartMs_ = positionMs();
    loopStart_ = player_.keep();
    if (loopEndMs_ <= loopStartMs_) {
        loopEndMs_ = -1.0;
        looping_ = false;
    }
    return "loop start";
}

std::string EditTransport::setLoopEnd() {
    const double end = positionMs();
    if (loopStartMs_ < 0.0) {
        loopStartMs_ = 0.0;
        loopStart_.reset();
    }
    if (end <= loopStartMs_) return "the loop's end must come after its start";
    loopEndMs_ = end;
    return "loop end";
}

std::string EditTransport::toggleLoop() {
    if (loopStartMs_ < 0.0 || loopEndMs_ < 0.0) return "set the loop with [ and ] first";
    looping_ = !looping_;
    return looping_ ? "loop on" : "loop off";
}

std::string EditTransport::setLoop(double startMs, double endMs) {
    loopStartMs_ = std::max(0.0, startMs);
    loopEndMs_ = endMs;
    loopStart_.reset();
    looping_ = loopEndMs_ > loopStartMs_;
    const DemoScript& script = player_.script();
    return "loop " + patternBeatText(loopStartMs_ / 1000.0, script) + ".." +
           patternBeatText(loopEndMs_ / 1000.0, script);
}

std::string EditTransport::scrubTo(double ms) {
    if (!scrubbing_) {
        scrubbing_ = true;
        playAfterScrub_ = !paused_;
        if (!paused_) togglePause();
    }
    const std::string done = seekTo(ms);
    hearPlayHead();
    return done;
}

std::string EditTransport::endScrub() {
    if (!scrubbing_) return "";
    scrubbing_ = false;
    return playAfterScrub_ && paused_ ? togglePause() : "";
}

// A reload that changed the show before the loop's start makes its kept moment stale:
// the lap then seeks there with the new show and keeps that instead.
void EditTransport::returnToLoopStart() {
    if (loopStart_ == nullptr || !player_.stillTrue(*loopStart_)) {
        player_.seek(loopStartMs_);
        loopStart_ = player_.keep();
    } else {
        player_.returnTo(*loopStart_);
    }
    restartFrameClock(window_);
}

void EditTransport::lapBeforeFrame() {
    const RunPlan& plan = player_.plan();
    if (looping_ && plan.virtualClock() &&
        static_cast<double>(replayFrameMs(plan, player_.nextFrame())) >= loopEndMs_) {
        returnToLoopStart();
    }
}

void EditTransport::lapAfterFrame() {
    if (looping_ && !player_.plan().virtualClock() && positionMs() >= loopEndMs_) returnToLoopStart();
}

// While paused, a short slice of the song at the play head; nothing while it plays.
void EditTransport::hearPlayHead() {
    if (paused_) player_.hearSlice(positionMs() / 1000.0, SCRUB_SLICE_MS);
}
