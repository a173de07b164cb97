// The editor of --edit: Dear ImGui panels drawn around the show's picture in the
// window after the show's frame is drawn and before it is shown (a frame observer
// the session adds to the player), with the show's GL state kept and nothing
// drawn from its random sequence. The picture has its own area, which no panel
// covers; the overlay says where it is (placePicture). It keeps a copy of each
// picture as the show drew it, so that while the show is paused the panels can be
// drawn again without running a frame. What it asks of the session comes out as
// actions, to be carried out between frames.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "editor/EditorAction.h"
#include "editor/EditorFeed.h"
#include "editor/EditorLayout.h"
#include "player/Player.h"

union SDL_Event;
class PointerQueue;

class EditorOverlay : public FrameObserver {
public:
    // Made on the window's GL context, which must be current, after the show opened.
    // A window without an SDL window (tests, benchmarks) has no input of its own:
    // its user sets Dear ImGui's input directly. `scale` sizes letters and panels.
    EditorOverlay(const EditorFeed& feed, const Player& player, GLWindow& window, float scale = 1.0f,
                  const PanelSizes& sizes = {});
    ~EditorOverlay() override;
    EditorOverlay(const EditorOverlay&) = delete;
    EditorOverlay& operator=(const EditorOverlay&) = delete;

    // Keeps the picture, counts its time and, when shown, draws the panels around it.
    bool frameDrawn(const PlayerFrame& frame) override;
    // While the show is paused: the kept picture again, the panels around it when shown, and the swap.
    void redraw(ShellServices& shell);

    // Between frames: has `player` put the show's picture in its area of the window as
    // the window's size and the panels now leave it; true when it moved (a paused show
    // must then be drawn again there).
    bool placePicture(Player& player);
    // The layout of the window as it is now.
    EditorLayout layout() const;

    // Every event of the window but the pointer's goes here first; while hidden they
    // are let by.
    void takeEvent(const SDL_Event& event);
    // Where the pointer's events go, in order; null while hidden or without a window of
    // its own. The show has no use for the pointer, so the overlay has it all.
    PointerQueue* pointer();
    // Pointer events wait for frames to take them, one button change each.
    bool inputPending() const;
    // One of the panels' controls is held: keys are the overlay's until it is let go.
    bool wantsKeyboard() const;

    // Tab: the panels hidden, the picture given the whole window, and back.
    void toggle();
    bool shown() const;
    // The panels' sizes as the user left them, to remember.
    PanelSizes panelSizes() const;
    // What the panels asked for since the last call, in order.
    std::vector<EditorAction> takeActions();
    // Waits until the script and the song are read, for tests and the benchmark.
    void waitForNotes();
    // The show's length as the timeline has it, in seconds; negative until it is read.
    double showEndSeconds() const;

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};
