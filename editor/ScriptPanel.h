// The script in the editor, scrolled to keep the line that applied last in the
// middle, the lines that applied lately lit (fading with their
// age), and a click on an event's line seeks to its time. A finding's line can be
// asked for instead; it is shown and marked until the play head moves on.
#pragma once

#include <cstdint>
#include <vector>

#include "check/Finding.h"
#include "editor/EditorAction.h"
#include "editor/ShowNotes.h"

class ScriptPanel {
public:
    // Draws into the current Dear ImGui window.
    void draw(const ShowNotes& notes, double playSeconds, std::vector<EditorAction>& actions);
    // Shows the finding's line (when it is one of the script's) until the play head,
    // having come to the finding's time, leaves it, or until clearFocus.
    void showFinding(const Finding& finding);
    void clearFocus() { focusLine_ = 0; }
    int32_t focusLine() const { return focusLine_; }

private:
    int32_t centreLine(const ShowNotes& notes, double playSeconds);

    int32_t focusLine_ = 0;       // 0: follow the play head
    double focusSeconds_ = -1.0;  // negative: the finding has no time; kept until cleared
    bool focusReached_ = false;
    int32_t shownCentre_ = 0;  // the line last scrolled to
};

// How lit the line of an event applied `age` seconds ago is: 1 when it has just
// applied, fading to 0 over `fadeSeconds`; 0 for one not yet applied.
float litLevel(double age, double fadeSeconds);
