// The authoring mode in the window: the keys (EditKeys) and the overlay's requests
// go to the transport (EditTransport: seeks, pause, the loop's laps), saved files
// are reloaded by themselves (LiveReload), and a status line on standard error says
// where the show is (StatusLine). Keys the session takes still reach the key state;
// the driver reads only Escape there. Tab shows and hides the editing overlay, whose
// requests the session carries out between frames. This class only wires them.
#pragma once

#include <SDL_events.h>

#include <memory>
#include <string>

#include "app/EditOptions.h"
#include "app/EditTransport.h"
#include "app/LiveReload.h"
#include "app/StatusLine.h"
#include "editor/EditorFeed.h"
#include "player/Player.h"

struct EditorAction;
class EditorOverlay;

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
    // While paused, between events: keeps the status line and the frame clock current.
    void idle();
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

    Player& player_;
    GLWindow& window_;
    LiveReload liveReload_;
    EditTransport transport_;
    StatusLine status_;
    std::string notice_;  // the latest action, shown once
    // What the overlay shows; a reload replaces the findings and bumps the revision.
    EditorFeed feed_;
    std::unique_ptr<EditorOverlay> overlay_;
};
