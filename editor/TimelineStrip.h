// The timeline strip along the bottom of the overlay: every lane over the view's
// stretch of song, the loop and the play head. A click or a drag moves the play
// head (the show follows, exactly), Shift and a drag sets the loop, the wheel
// zooms around the pointer, and a click on a finding's mark also shows its line.
#pragma once

#include <vector>

#include "editor/EditorAction.h"
#include "editor/ShowNotes.h"
#include "editor/StripPicture.h"
#include "editor/TimelineLanes.h"
#include "editor/TimelineView.h"

class ScriptPanel;

// What the strip shows of the transport.
struct StripTransport {
    double playSeconds = 0.0;
    bool playing = false;
    bool looping = false;
    double loopStartMs = -1.0;  // negative: no loop
    double loopEndMs = -1.0;
};

class TimelineStrip {
public:
    // Draws into the current Dear ImGui window, filling what is left of it.
    void draw(const ShowNotes& notes, const StripTransport& transport, ScriptPanel& script,
              std::vector<EditorAction>& actions);
    const TimelineView& view() const { return view_; }
    // The notes were read again.
    void notesChanged() { picture_.repaintNextTime(); }

private:
    enum class Drag { None, Scrub, Loop };

    void handlePointer(const StripPlot& plot, const StripRows& rows, const ShowNotes& notes,
                       ScriptPanel& script, std::vector<EditorAction>& actions);
    void startDrag(const StripPlot& plot, const StripRows& rows, const ShowNotes& notes, ScriptPanel& script,
                   std::vector<EditorAction>& actions);
    void endDrag(const StripPlot& plot, std::vector<EditorAction>& actions);
    void drawPatternNumbers(const StripPlot& plot, const StripRows& rows, const Tempo& tempo) const;
    void drawLoop(const StripPlot& plot, const StripRows& rows, const StripTransport& transport) const;
    void drawPlayHead(const StripPlot& plot, const StripRows& rows, double seconds) const;

    TimelineView view_;
    double viewEnd_ = -1.0;  // the show's end the view was made for
    Drag drag_ = Drag::None;
    double anchorSeconds_ = 0.0;  // where a loop drag started
    double dragSeconds_ = 0.0;    // where the pointer is in a drag
    StripPicture picture_;
};
