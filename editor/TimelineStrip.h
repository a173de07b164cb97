// The timeline strip along the bottom of the editor: the lanes with their names
// over the view's stretch of song, the beat grid, the loop and the play head. A
// click or a drag moves the play head (the show follows, exactly), Shift and a
// drag sets the loop, the wheel zooms around the pointer, and a click on a
// finding's mark also shows its line. Events are edited here: a click on an
// event's mark selects it (Ctrl adds to the selection), a drag moves it, a span's
// ends are the events that switch it, a double-click on an empty place of a
// layer's lane switches that layer there, Delete removes the selected events.
// Every time picked snaps to the grid's unit; with Alt held it is free. The wheel
// over the lanes' names scrolls the lanes when they do not all fit.
#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "editor/EditorAction.h"
#include "editor/ShowNotes.h"
#include "editor/StripPicture.h"
#include "editor/TimelineLanes.h"
#include "editor/TimelineView.h"

class ScriptPanel;

// A picture lane's name that fits `room` pixels of the current font: its file whole,
// else without its ending (so that tekstit1 and tekstit2 stay apart), cut shorter in
// the middle as needed; the tooltip names it whole.
std::string fittedPictureName(const PictureLane& lane, float room);

// What the strip shows of the transport, and how picks snap.
struct StripTransport {
    double playSeconds = 0.0;
    bool playing = false;
    bool looping = false;
    double loopStartMs = -1.0;  // negative: no loop
    double loopEndMs = -1.0;
    GridUnit unit = GridUnit::QuarterBeat;
};

class TimelineStrip {
public:
    // Draws into the current Dear ImGui window, filling what is left of it.
    void draw(const ShowNotes& notes, const StripTransport& transport, ScriptPanel& script,
              std::vector<EditorAction>& actions);
    const TimelineView& view() const { return view_; }
    // The notes were read again: the selection named events of the old ones.
    void notesChanged();
    // The selected events, as indices of the notes' timeline events, ascending.
    const std::set<int32_t>& selection() const { return selected_; }
    void setScale(float scale) { scale_ = scale; }

private:
    enum class Drag { None, Scrub, Loop, Event };
    struct Frame;

    void handlePointer(const Frame& frame, std::vector<EditorAction>& actions);
    void startDrag(const Frame& frame, std::vector<EditorAction>& actions);
    void endDrag(const Frame& frame, std::vector<EditorAction>& actions);
    void doubleClick(const Frame& frame, std::vector<EditorAction>& actions);
    void handleKeys(const Frame& frame, std::vector<EditorAction>& actions);
    double picked(const Frame& frame, double seconds) const;
    void drawNames(const Frame& frame) const;
    void drawRuler(const Frame& frame) const;
    void drawSelection(const Frame& frame) const;
    void drawLoop(const Frame& frame) const;
    void drawPlayHead(const Frame& frame, double seconds) const;

    float scale_ = 1.0f;
    TimelineView view_;
    double viewEnd_ = -1.0;  // the show's end the view was made for
    Drag drag_ = Drag::None;
    double anchorSeconds_ = 0.0;  // where a loop drag started
    double dragSeconds_ = 0.0;    // where the pointer is in a drag (snapped)
    int32_t dragEvent_ = -1;      // the event a drag moves
    std::set<int32_t> selected_;
    StripPicture picture_;
};

// A time picked on the strip in seconds, snapped to the grid's `unit` unless `free`.
double pickedSeconds(const BeatGrid& grid, GridUnit unit, double seconds, bool free);
