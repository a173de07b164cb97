// The editor's part of the editing session: the picture kept in its area of the
// window as the window and the panels change (a paused picture drawn again where
// it moved), the keys that move on the beat grid and edit the script, the script's
// edits carried out and reloaded at once, and the window and panels remembered.
#include <SDL.h>

#include "app/EditKeys.h"
#include "app/EditSession.h"
#include "app/Shell.h"
#include "editor/EditorOverlay.h"
#include "editor/PointerQueue.h"
#include "player/ShowTime.h"
#include "script/BeatGrid.h"

// The pointer's events for the overlay, in order; false for any other event.
bool EditSession::queuePointerEvent(const SDL_Event& event) {
    PointerQueue* pointer = overlay_->pointer();
    switch (event.type) {
        case SDL_MOUSEMOTION:
            if (pointer != nullptr)
                pointer->moved(static_cast<float>(event.motion.x), static_cast<float>(event.motion.y));
            return true;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            const uint8_t button = event.button.button;
            const int32_t index = button == SDL_BUTTON_LEFT     ? 0
                                  : button == SDL_BUTTON_RIGHT  ? 1
                                  : button == SDL_BUTTON_MIDDLE ? 2
                                                                : -1;
            if (pointer != nullptr)
                pointer->button(index, event.type == SDL_MOUSEBUTTONDOWN, static_cast<float>(event.button.x),
                                static_cast<float>(event.button.y));
            return true;
        }
        case SDL_MOUSEWHEEL:
            if (pointer != nullptr) pointer->wheel(static_cast<float>(event.wheel.y));
            return true;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_LEAVE && pointer != nullptr) pointer->left();
            return false;
        default:
            return false;
    }
}

// Once the show's length is known, the whole show is replayed once to set marks every
// second, so seeks and reloads anywhere replay from near by; after a reload, the
// marks past the change are set again while the show is paused.
void EditSession::prepareSeeks(bool playing) {
    const double end = overlay_->showEndSeconds();
    if (end <= 0.0 || seeksPreparedFor_ == feed_.revision) return;
    if (playing && seeksPreparedFor_ != UINT32_MAX) return;
    seeksPreparedFor_ = feed_.revision;
    player_.prepareSeeks(end * 1000.0);
    restartFrameClock(window_);
}

void EditSession::followLayout() {
    if (overlay_->placePicture(player_) && transport_.paused()) drawAgainPaused();
}

// The frame at the play head once more, drawn at the picture's new place: the frame
// of the replay's schedule there, at its own time (the song's position is a float,
// a hair off the time it was set to).
void EditSession::drawAgainPaused() {
    const RunPlan& plan = player_.plan();
    transport_.seekTo(
        static_cast<double>(replayFrameMs(plan, firstFrameAtOrAfter(plan, transport_.positionMs() - 0.5))));
}

// Left and Right: the grid's previous or next line from the play head.
double EditSession::gridStep(const SDL_Keysym& key) const {
    const int32_t count = editKeyOf(key) == EditKey::Back ? -1 : 1;
    return scriptBeatGrid(player_.script()).step(transport_.positionMs(), stepUnit(key), count);
}

// The play head as a picked time: on the grid's nearest line, or where it is with Alt held.
double EditSession::pickedNow(const SDL_Keysym& key) const {
    if (freePick(key)) return transport_.positionMs();
    return scriptBeatGrid(player_.script()).snap(transport_.positionMs(), feed_.gridUnit);
}

void EditSession::applyEdit(const EditorAction& action) {
    const EditOutcome outcome = editing_->apply(action);
    if (outcome.notice.empty()) return;
    feed_.editNotice = outcome.notice;
    notice_ = outcome.notice;
    if (outcome.changed) tellReload(liveReload_.takeSavedScript());
    const EditHistory& history = editing_->history();
    feed_.undoWhat = history.undoWhat();
    feed_.redoWhat = history.redoWhat();
}

void rememberEditor(const GLWindow& window, const EditorOverlay& overlay, GridUnit unit,
                    const EditorSettings& before) {
    EditorSettings now = before;
    if (window.window != nullptr) {
        now.maximized = (SDL_GetWindowFlags(window.window) & SDL_WINDOW_MAXIMIZED) != 0;
        // A maximised window's size is the desktop's: the size to come back to is the one before.
        if (!now.maximized) SDL_GetWindowSize(window.window, &now.windowWidth, &now.windowHeight);
    }
    const PanelSizes sizes = overlay.panelSizes();
    now.columnWidth = sizes.columnWidth;
    now.stripHeight = sizes.stripHeight;
    now.gridUnit = unit;
    if (now != before) writeEditorSettings(editorSettingsPath(), now);
}
