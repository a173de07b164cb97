// Wiring the authoring session: keys and overlay requests to the transport and the
// script's editing, reloads to the overlay's feed, and notices to the status line.
#include "app/EditSession.h"

#include "app/EditKeys.h"
#include "app/Shell.h"
#include "app/WindowOpening.h"
#include "editor/EditorOverlay.h"
#include "script/DemoScript.h"

namespace {

// The glow rendered ahead at each idle turn while paused: a few of its captures, so
// that events still come through about as often as a frame's.
constexpr double RENDER_AHEAD_MS = 25.0;

}  // namespace

EditSession::EditSession(Player& player, GLWindow& window, const EditOptions& options)
    : player_(player), window_(window), liveReload_(player), transport_(player, window) {
    liveReload_.checkAndReport();
    if (options.loopStartMs >= 0.0 && options.loopEndMs > options.loopStartMs) {
        transport_.setLoop(options.loopStartMs, options.loopEndMs);
        transport_.returnToLoopStart();
    }
    feed_.findings = liveReload_.findings();
    settings_ = readEditorSettings(editorSettingsPath());
    feed_.gridUnit = settings_.gridUnit;
    overlay_ = std::make_unique<EditorOverlay>(feed_, player_, window_, userInterfaceScale(options.uiScale),
                                               PanelSizes{settings_.columnWidth, settings_.stripHeight});
    editing_ = std::make_unique<ScriptEditing>(DemoScript::SCRIPT_FILE);
    overlay_->placePicture(player_);
    player_.addObserver(*overlay_);
    updateFeed();
    showStatus(true);
}

EditSession::~EditSession() {
    rememberEditor(window_, *overlay_, feed_.gridUnit, settings_);
    player_.removeObserver(*overlay_);
}

void EditSession::event(const SDL_Event& event) {
    if (!queuePointerEvent(event)) overlay_->takeEvent(event);
    if (event.type == SDL_WINDOWEVENT) followLayout();
    if (event.type != SDL_KEYDOWN) return;
    if (event.key.keysym.sym != SDLK_TAB && overlay_->wantsKeyboard()) return;
    if (event.key.repeat != 0 && !actsOnRepeat(editKeyOf(event.key.keysym))) return;
    keyDown(event.key.keysym);
}

bool EditSession::keyDown(const SDL_Keysym& key) {
    switch (editKeyOf(key)) {
        case EditKey::TogglePause:
            note(transport_.togglePause());
            break;
        case EditKey::Back:
        case EditKey::On:
            note(transport_.stepTo(gridStep(key)));
            break;
        case EditKey::ToStart:
            note(transport_.seekTo(0.0));
            break;
        case EditKey::LoopStart:
            note(transport_.setLoopStart(pickedNow(key)));
            break;
        case EditKey::LoopEnd:
            note(transport_.setLoopEnd(pickedNow(key)));
            break;
        case EditKey::ToggleLoop:
            note(transport_.toggleLoop());
            break;
        case EditKey::Reload:
            tellReload(liveReload_.reloadNow());
            break;
        case EditKey::ToggleOverlay:
            toggleOverlay();
            break;
        case EditKey::Undo:
            applyEdit({EditorActionKind::Undo});
            break;
        case EditKey::Redo:
            applyEdit({EditorActionKind::Redo});
            break;
        case EditKey::Escape:
            // Playing, the driver sees Escape in the key state; paused, it runs no frame to see it.
            if (!transport_.paused()) return false;
            requestQuit(window_);
            return true;
        case EditKey::None:
            return false;
    }
    updateFeed();
    showStatus(true);
    return true;
}

void EditSession::note(const std::string& done) {
    if (!done.empty()) notice_ = done;
}

void EditSession::toggleOverlay() {
    overlay_->toggle();
    followLayout();
    if (transport_.paused()) overlay_->redraw(shellServices());
    note(overlay_->shown() ? "overlay shown" : "overlay hidden");
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
            note(transport_.seekTo(action.ms));
            break;
        case EditorActionKind::Scrub:
            note(transport_.scrubTo(action.ms));
            break;
        case EditorActionKind::ScrubEnd:
            note(transport_.endScrub());
            break;
        case EditorActionKind::TogglePause:
            note(transport_.togglePause());
            break;
        case EditorActionKind::ToggleLoop:
            note(transport_.toggleLoop());
            break;
        case EditorActionKind::SetLoop:
            note(transport_.setLoop(action.ms, action.endMs));
            break;
        case EditorActionKind::SetGridUnit:
            feed_.gridUnit = action.unit;
            break;
        default:
            applyEdit(action);
            break;
    }
}

void EditSession::updateFeed() {
    feed_.paused = transport_.paused();
    feed_.looping = transport_.looping();
    feed_.loopStartMs = transport_.loopStartMs();
    feed_.loopEndMs = transport_.loopEndMs();
    feed_.fps = status_.fps();
}

void EditSession::beforeFrame() {
    transport_.lapBeforeFrame();
}

void EditSession::afterFrame() {
    status_.frameShown();
    transport_.lapAfterFrame();
    takeReloads();
    applyOverlayActions();
    followLayout();
    prepareSeeks(true);
    // After the swap: the next frame clears what the glow's captures drew.
    workingAhead_ = player_.renderAheadInFrame();
    updateFeed();
    showStatus(false);
}

void EditSession::idle() {
    // Before the redraw: a frame drawn after it (the window resized) follows a swap,
    // so the GL sees the window's new size.
    workingAhead_ = player_.renderAhead(RENDER_AHEAD_MS);
    do {
        if (overlay_->shown()) overlay_->redraw(shellServices());
    } while (overlay_->inputPending());
    applyOverlayActions();
    followLayout();
    prepareSeeks(false);
    restartFrameClock(window_);
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
    restartFrameClock(window_);
    showStatus(true);
}

void EditSession::showStatus(bool now) {
    if (!status_.due(now)) return;
    status_.show(statusText(player_, transport_, status_.fps(), notice_));
    if (!notice_.empty()) feed_.status = notice_;
    notice_.clear();
}
