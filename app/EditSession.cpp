// The authoring keys, the loop's laps and the status line; the overlay's requests.
#include "app/EditSession.h"

#include <SDL_timer.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "app/Shell.h"
#include "script/DemoScript.h"
#include "editor/EditorOverlay.h"
#include "player/Moment.h"
#include "player/ShowTime.h"
#include "scene/SceneLayers.h"

namespace {

constexpr uint32_t STATUS_EVERY_MS = 500;
constexpr double SCRUB_SLICE_MS = 80.0;

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
    feed_.findings = liveReload_.findings();
    overlay_ = std::make_unique<EditorOverlay>(feed_, player_, window_);
    player_.addObserver(*overlay_);
    updateFeed();
    showStatus(true);
}

EditSession::~EditSession() {
    player_.removeObserver(*overlay_);
    if (terminal_) std::fputc('\n', stderr);
}

void EditSession::event(const SDL_Event& event) {
    overlay_->takeEvent(event);
    if (event.type == SDL_MOUSEMOTION) overlay_->pointerAt(event.motion.x, event.motion.y);
    if (event.type != SDL_KEYDOWN) return;
    if (event.key.keysym.sym != SDLK_TAB && overlay_->wantsKeyboard()) return;
    keyDown(event.key.keysym);
}

bool EditSession::keyDown(const SDL_Keysym& key) {
    const bool shift = (key.mod & KMOD_SHIFT) != 0;
    const DemoScript& script = player_.script();
    const double step = shift ? beatMs(script) : patternMs(script);
    switch (key.sym) {
        case SDLK_SPACE:
            togglePause();
            break;
        case SDLK_LEFT:
            seekTo(positionMs() - step);
            hearPlayHead();
            break;
        case SDLK_RIGHT:
            seekTo(positionMs() + step);
            hearPlayHead();
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
            tellReload(liveReload_.reloadNow());
            break;
        case SDLK_TAB:
            toggleOverlay();
            break;
        case SDLK_ESCAPE:
            // Playing, the driver sees Escape in the key state; paused, it runs no frame to see it.
            if (!paused_) return false;
            requestQuit(window_);
            return true;
        default:
            return false;
    }
    updateFeed();
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
    notice_ = "seek to " + patternBeatText(ms / 1000.0, player_.script());
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

void EditSession::toggleOverlay() {
    overlay_->toggle();
    if (paused_) overlay_->redraw(shellServices());
    notice_ = overlay_->shown() ? "overlay shown" : "overlay hidden";
}

void EditSession::applyOverlayActions() {
    const std::vector<EditorAction> actions = overlay_->takeActions();
    for (const EditorAction& action : actions) apply(action);
    if (!actions.empty()) {
        updateFeed();
        showStatus(true);
    }
}

void EditSession::apply(const EditorAction& action) {
    switch (action.kind) {
        case EditorActionKind::Seek:
            seekTo(action.ms);
            break;
        case EditorActionKind::Scrub:
            scrubTo(action.ms);
            break;
        case EditorActionKind::ScrubEnd:
            endScrub();
            break;
        case EditorActionKind::TogglePause:
            togglePause();
            break;
        case EditorActionKind::ToggleLoop:
            toggleLoop();
            break;
        case EditorActionKind::SetLoop:
            setLoop(action.ms, action.endMs);
            break;
    }
}

// A drag holds the show at the play head and lets the song be heard there; the
// show plays on afterwards if it played before.
void EditSession::scrubTo(double ms) {
    if (!scrubbing_) {
        scrubbing_ = true;
        playAfterScrub_ = !paused_;
        if (!paused_) togglePause();
    }
    seekTo(ms);
    hearPlayHead();
}

void EditSession::endScrub() {
    if (!scrubbing_) return;
    scrubbing_ = false;
    if (playAfterScrub_ && paused_) togglePause();
}

void EditSession::setLoop(double startMs, double endMs) {
    loopStartMs_ = std::max(0.0, startMs);
    loopEndMs_ = endMs;
    loopStart_.reset();
    looping_ = loopEndMs_ > loopStartMs_;
    notice_ = "loop " + patternBeatText(loopStartMs_ / 1000.0, player_.script()) + ".." +
              patternBeatText(loopEndMs_ / 1000.0, player_.script());
}

// While paused, a short slice of the song at the play head; nothing while it plays.
void EditSession::hearPlayHead() {
    if (paused_) player_.hearSlice(positionMs() / 1000.0, SCRUB_SLICE_MS);
}

void EditSession::updateFeed() {
    feed_.paused = paused_;
    feed_.looping = looping_;
    feed_.loopStartMs = loopStartMs_;
    feed_.loopEndMs = loopEndMs_;
    feed_.fps = fps_;
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
    applyOverlayActions();
    updateFeed();
    showStatus(false);
}

void EditSession::idle() {
    if (overlay_->shown()) overlay_->redraw(shellServices());
    applyOverlayActions();
    window_.lastTick = SDL_GetTicks();
    takeReloads();
    showStatus(false);
}

void EditSession::takeReloads() {
    tellReload(liveReload_.poll());
}

// A reload's outcome on the status line, and its findings and script to the overlay.
void EditSession::tellReload(const std::string& status) {
    if (status.empty()) return;
    notice_ = status;
    feed_.findings = liveReload_.findings();
    ++feed_.revision;
    window_.lastTick = SDL_GetTicks();
    showStatus(true);
}

std::string EditSession::statusText() const {
    const DemoScript& script = player_.script();
    const double seconds = player_.songSeconds();
    char text[512];
    std::snprintf(text, sizeof text, "flashstep: %s  %.2f s  %.1f fps  %s",
                  patternBeatText(seconds, script).c_str(), seconds, fps_, layersOn(player_.scene()).c_str());
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
    if (!notice_.empty()) feed_.status = notice_;
    notice_.clear();
}
