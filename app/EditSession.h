// The authoring mode in the window: the keys (EditKeys) and the overlay's requests
// go to the transport (EditTransport: seeks, pause, the loop's laps) and to the
// script's editing (ScriptEditing, with undo), saved files are reloaded by
// themselves (LiveReload), and a status line on standard error says where the show
// is (StatusLine). Keys the session takes still reach the key state; the driver
// reads only Escape there. Tab shows and hides the editor's panels, whose requests
// the session carries out between frames. This class only wires them; the editor's
// window and its edits are wired in EditorHooks.cpp.
#pragma once

#include <SDL_events.h>

#include <cstdint>
#include <memory>
#include <string>

#include "app/EditOptions.h"
#include "app/EditTransport.h"
#include "app/LiveReload.h"
#include "app/ScriptEditing.h"
#include "app/StatusLine.h"
#include "editor/EditorFeed.h"
#include "editor/EditorSettings.h"
#include "player/Player.h"

struct EditorAction;
class EditorOverlay;

// The window's size, whether it is maximised, the panels' sizes and the grid's unit,
// written to the user's settings when they differ from `before`.
void rememberEditor(const GLWindow& window, const EditorOverlay& overlay, GridUnit unit,
                    const EditorSettings& before);

class EditSession {
public:
    EditSession(Player& player, GLWindow& window, const EditOptions& options);
    ~EditSession();

    // An event of the window: the overlay sees it first; a key it does not hold goes on to keyDown.
    void event(const SDL_Event& event);
    // A key pressed in the window; true when the session acted on it.
    bool keyDown(const SDL_Keysym& key);
    // No frames are run while paused.
    bool paused() const { return transport_.paused(); }
    // Around each frame the loop runs: the lap's return, the status line.
    void beforeFrame();
    void afterFrame();
    // While paused, between events: keeps the status line and the frame clock current,
    // and renders the glow ahead a little at a time (seeks anywhere then render little).
    void idle();
    // Whether idle() has work left: then the loop comes back without waiting.
    bool workingAhead() const { return workingAhead_; }
    const LiveReload& liveReload() const { return liveReload_; }

private:
    void note(const std::string& done);
    void showStatus(bool now);
    void toggleOverlay();
    void applyOverlayActions();
    void apply(const EditorAction& action);
    void updateFeed();
    void takeReloads();
    void tellReload(const std::string& status);
    // The editor's window and its edits (EditorHooks.cpp).
    void followLayout();
    void drawAgainPaused();
    double gridStep(const SDL_Keysym& key) const;
    double pickedNow(const SDL_Keysym& key) const;
    void applyEdit(const EditorAction& action);
    bool queuePointerEvent(const SDL_Event& event);
    void prepareSeeks(bool playing);

    Player& player_;
    GLWindow& window_;
    LiveReload liveReload_;
    EditTransport transport_;
    StatusLine status_;
    std::string notice_;  // the latest action, shown once
    // What the overlay shows; a reload replaces the findings and bumps the revision.
    EditorFeed feed_;
    std::unique_ptr<EditorOverlay> overlay_;
    EditorSettings settings_;  // as remembered when the session began
    std::unique_ptr<ScriptEditing> editing_;
    uint32_t seeksPreparedFor_ = UINT32_MAX;  // the feed's revision the marks were last set for
    bool workingAhead_ = true;
};
