// The authoring mode in the window: Space pauses and resumes, Left and Right go a
// pattern back or on (a beat with Shift), Home goes to the start, [ and ] set the
// loop's start and end at the current position and L switches looping on and off.
// R reloads the script by hand; saved files are reloaded by themselves (LiveReload).
// A status line on standard error says where the show is. Keys the session takes
// still reach the key state; the driver reads only Escape there. Tab shows and
// hides the editing overlay, whose requests the session carries out between frames.
#pragma once

#include <SDL_events.h>

#include <cstdint>
#include <memory>
#include <string>

#include "app/LiveReload.h"
#include "app/ScriptEditing.h"
#include "editor/EditorFeed.h"
#include "editor/EditorSettings.h"
#include "player/Player.h"

struct Moment;
struct EditorAction;
class EditorOverlay;

struct EditOptions {
    bool enabled = false;
    double loopStartMs = -1.0;  // negative: no loop asked for
    double loopEndMs = -1.0;
    float uiScale = 0.0f;  // 0: from the display
};

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
    bool paused() const { return paused_; }
    // Around each frame the loop runs: the lap's return, the status line.
    void beforeFrame();
    void afterFrame();
    // While paused, between events: keeps the status line and the frame clock current.
    void idle();
    const LiveReload& liveReload() const { return liveReload_; }

private:
    void seekTo(double ms);
    void togglePause();
    void setLoopStart(double ms);
    void setLoopEnd(double ms);
    void toggleLoop();
    void returnToLoopStart();
    double positionMs() const;
    void showStatus(bool now);
    std::string statusText() const;
    void toggleOverlay();
    void applyOverlayActions();
    void apply(const EditorAction& action);
    void scrubTo(double ms);
    void endScrub();
    void setLoop(double startMs, double endMs);
    void hearPlayHead();
    void updateFeed();

    void takeReloads();
    void tellReload(const std::string& status);
    // The editor's window and its edits (EditorHooks.cpp).
    void followLayout();
    void drawAgainPaused();
    bool editKey(const SDL_Keysym& key);
    double gridStep(double fromMs, const SDL_Keysym& key) const;
    double pickedNow(const SDL_Keysym& key) const;
    void applyEdit(const EditorAction& action);
    bool queuePointerEvent(const SDL_Event& event);
    void prepareSeeks(bool playing);

    Player& player_;
    GLWindow& window_;
    LiveReload liveReload_;
    bool paused_ = false;
    double loopStartMs_ = -1.0;
    double loopEndMs_ = -1.0;
    bool looping_ = false;
    std::shared_ptr<const Moment> loopStart_;
    std::string notice_;  // the latest action, shown once
    uint32_t lastStatusTick_ = 0;
    uint32_t fpsTick_ = 0;
    int32_t framesSinceFpsTick_ = 0;
    double fps_ = 0.0;
    bool terminal_ = false;
    // What the overlay shows; a reload replaces the findings and bumps the revision.
    EditorFeed feed_;
    std::unique_ptr<EditorOverlay> overlay_;
    bool scrubbing_ = false;
    bool playAfterScrub_ = false;  // the show played when the drag began
    EditorSettings settings_;  // as remembered when the session began
    std::unique_ptr<ScriptEditing> editing_;
    uint32_t seeksPreparedFor_ = UINT32_MAX;  // the feed's revision the marks were last set for
};
