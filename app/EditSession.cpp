// The authoring keys, the loop's laps and the status line.
#include "app/EditSession.h"

#include <SDL_timer.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "demo/DemoState.h"
#include "player/Moment.h"
#include "player/ShowTime.h"
#include "scene/SceneLayers.h"

namespace {

constexpr uint32_t STATUS_EVERY_MS = 500;

std::string layersOn(const Scene& scene) {
    std::string names;
    for (const SceneLayer& layer : SCENE_LAYERS) {
        if (scene.*layer.flag) names += (names.empty() ? "" : " ") + std::string(layer.keyword);
    }
    return names.empty() ? "-" : names;
}

}  // namespace

EditSession::EditSession(Player& player, GLWindow& window, const EditOptions& options)
    : player_(player), window_(window), liveReload_(player), terminal_(isatty(STDERR_FILENO) == 1) {
    fpsTick_ = lastStatusTick_ = SDL_GetTicks();
    liveReload_.checkAndReport();
    if (options.loopStartMs >= 0.0 && options.loopEndMs > options.loopStartMs) {
        loopStartMs_ = options.loopStartMs;
        loopEndMs_ = options.loopEndMs;
        looping_ = true;
        returnToLoopStart();
    }
    showStatus(true);
}

EditSession::~EditSession() {
    if (terminal_) std::fputc('\n', stderr);
}

bool EditSession::keyDown(const SDL_Keysym& key) {
    const bool shift = (key.mod & KMOD_SHIFT) != 0;
    const DemoScript& script = *demo::script;
    const double step = shift ? beatMs(script) : patternMs(script);
    switch (key.sym) {
        case SDLK_SPACE:
            togglePause();
            break;
        case SDLK_LEFT:
            seekTo(positionMs() - step);
            break;
        case SDLK_RIGHT:
            seekTo(positionMs() + step);
            break;
        case SDLK_HOME:
            seekTo(0.0);
            break;
        case SDLK_LEFTBRACKET:
            setLoopStart();
            break;
        case SDLK_RIGHTBRACKET:
            setLoopEnd();
            break;
        case SDLK_l:
            toggleLoop();
            break;
        case SDLK_r:
            notice_ = liveReload_.reloadNow();
            window_.lastTick = SDL_GetTicks();
            break;
        default:
            return false;
    }
    showStatus(true);
    return true;
}

double EditSession::positionMs() const {
    return player_.songSeconds() * 1000.0;
}

void EditSession::seekTo(double ms) {
    ms = std::max(0.0, ms);
    player_.seek(ms);
    if (paused_) {
        // The paused picture shows where the seek went.
        const int64_t next = player_.nextFrame();
        const RunPlan& plan = player_.plan();
        const int64_t dt = next > 0 ? replayFrameMs(plan, next) - replayFrameMs(plan, next - 1) : 0;
        player_.frame(static_cast<uint32_t>(dt));
    }
    window_.lastTick = SDL_GetTicks();
    notice_ = "seek to " + patternBeatText(ms / 1000.0, *demo::script);
}

void EditSession::togglePause() {
    paused_ = !paused_;
    player_.setPaused(paused_);
    window_.lastTick = SDL_GetTicks();
    notice_ = paused_ ? "paused" : "playing";
}

void EditSession::setLoopStart() {
    loopStartMs_ = positionMs();
    loopStart_ = player_.keep();
    if (loopEndMs_ <= loopStartMs_) {
        loopEndMs_ = -1.0;
        looping_ = false;
    }
    notice_ = "loop start";
}

void EditSession::setLoopEnd() {
    const double end = positionMs();
    if (loopStartMs_ < 0.0) {
        loopStartMs_ = 0.0;
        loopStart_.reset();
    }
    if (end <= loopStartMs_) {
        notice_ = "the loop's end must come after its start";
        return;
    }
    loopEndMs_ = end;
    notice_ = "loop end";
}

void EditSession::toggleLoop() {
    if (loopStartMs_ < 0.0 || loopEndMs_ < 0.0) {
        notice_ = "set the loop with [ and ] first";
        return;
    }
    looping_ = !looping_;
    notice_ = looping_ ? "loop on" : "loop off";
}

void EditSession::returnToLoopStart() {
    if (loopStart_ == nullptr) {
        player_.seek(loopStartMs_);
        loopStart_ = player_.keep();
    } else {
        player_.returnTo(*loopStart_);
    }
    window_.lastTick = SDL_GetTicks();
}

void EditSession::beforeFrame() {
    const RunPlan& plan = player_.plan();
    if (looping_ && plan.virtualClock() &&
        static_cast<double>(replayFrameMs(plan, player_.nextFrame())) >= loopEndMs_) {
        returnToLoopStart();
    }
}

void EditSession::afterFrame() {
    ++framesSinceFpsTick_;
    const uint32_t now = SDL_GetTicks();
    if (now - fpsTick_ >= 1000) {
        fps_ = framesSinceFpsTick_ * 1000.0 / (now - fpsTick_);
        fpsTick_ = now;
        framesSinceFpsTick_ = 0;
    }
    if (looping_ && !player_.plan().virtualClock() && positionMs() >= loopEndMs_) returnToLoopStart();
    takeReloads();
    showStatus(false);
}

void EditSession::idle() {
    window_.lastTick = SDL_GetTicks();
    takeReloads();
    showStatus(false);
}

void EditSession::takeReloads() {
    const std::string status = liveReload_.poll();
    if (status.empty()) return;
    notice_ = status;
    window_.lastTick = SDL_GetTicks();
    showStatus(true);
}

std::string EditSession::statusText() const {
    const DemoScript& script = *demo::script;
    const double seconds = player_.songSeconds();
    char text[512];
    std::snprintf(text, sizeof text, "flashstep: %s  %.2f s  %.1f fps  %s",
                  patternBeatText(seconds, script).c_str(), seconds, fps_, layersOn(*demo::scene).c_str());
    std::string line = text;
    if (loopStartMs_ >= 0.0 && loopEndMs_ >= 0.0) {
        line += "  loop " + patternBeatText(loopStartMs_ / 1000.0, script) + ".." +
                patternBeatText(loopEndMs_ / 1000.0, script) + (looping_ ? " on" : " off");
    }
    if (paused_) line += "  paused";
    if (!notice_.empty()) line += "  (" + notice_ + ")";
    return line;
}

void EditSession::showStatus(bool now) {
    const uint32_t tick = SDL_GetTicks();
    if (!now && tick - lastStatusTick_ < STATUS_EVERY_MS) return;
    lastStatusTick_ = tick;
    const std::string line = statusText();
    if (terminal_) {
        std::fprintf(stderr, "\r%s\033[K", line.c_str());
    } else {
        std::fprintf(stderr, "%s\n", line.c_str());
    }
    std::fflush(stderr);
    notice_.clear();
}
