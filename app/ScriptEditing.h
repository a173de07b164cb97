// The script edited from the editor: events moved, deleted and inserted through
// the script's rewriting, each edit saved atomically over the file and kept for
// undo and redo as far back as the session goes. The file is read again before
// every edit: a save from outside since the editor last read or wrote it is taken
// in first (as a step of the history of its own) and the edit is not made, so no
// such save is ever written over; the same holds for one landing between the
// read and the write. Whoever holds this reloads the show after each change.
#pragma once

#include <string>

#include "editor/EditorAction.h"
#include "script/EditHistory.h"

struct EditOutcome {
    bool changed = false;  // the file holds a new text (the editor's, or one saved outside)
    std::string notice;    // what was done, or why nothing was
};

class ScriptEditing {
public:
    // `path`: the script file; its bytes now are the history's first text.
    explicit ScriptEditing(std::string path);

    // MoveEvent, DeleteEvents, InsertEvent, Undo and Redo; other actions are not edits.
    EditOutcome apply(const EditorAction& action);
    EditOutcome undo();
    EditOutcome redo();
    const EditHistory& history() const { return history_; }

private:
    // The file now; false with the outcome when it cannot be read or was saved outside.
    bool readCurrent(std::string& now, EditOutcome& outcome);
    EditOutcome write(const std::string& now, const std::string& text, const std::string& what);
    EditOutcome goThroughHistory(bool back);
    EditOutcome edit(const EditorAction& action, const std::string& now);

    std::string path_;
    EditHistory history_;
};

// The first finding, error or warning, that the check of `text` has on line `line`; empty when none.
std::string findingOnLine(const std::string& text, int32_t line);
