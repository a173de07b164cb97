// The editor's edit panel, at the top of its column: the session's latest notice
// and the latest edit's outcome, the selected events with their lines, undo and
// redo with what they would do, and the form that adds a statement at the play
// head (snapped): a keyword from the script's own list and its argument. The
// session checks the statement before anything is written and says why when it
// refuses. Insert puts the keyboard in the form.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "editor/EditorAction.h"
#include "editor/EditorFeed.h"
#include "editor/ShowNotes.h"

class EditPanel {
public:
    // Draws into the current Dear ImGui window. `insertAt` is where a new statement goes.
    void draw(const EditorFeed& feed, const ShowNotes* notes, const std::set<int32_t>& selection, double insertAtMs,
              std::vector<EditorAction>& actions);
    // Insert was pressed: the form takes the keyboard.
    void openForm() { focusForm_ = true; }

private:
    void drawForm(const ShowNotes& notes, double insertAtMs, std::vector<EditorAction>& actions);

    int32_t keyword_ = 0;  // a row of the event table
    char argument_[64] = {};
    bool focusForm_ = false;
};
