// The script texts of an editing session, for undo and redo as far back as the session goes.
// Each step keeps the whole text, so undo gives back the very bytes, whatever the edit was. A
// save from outside is taken in as a step of its own, so undo never skips over it silently.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class EditHistory {
public:
    // `text`: the script as the session first read it.
    explicit EditHistory(std::string text);

    const std::string& current() const { return steps_[at_].text; }

    // A new text after an edit (or a save from outside): it becomes current, and what redo would
    // have brought back is dropped. A text equal to the current one is no step.
    void record(std::string text, std::string what);

    bool canUndo() const { return at_ > 0; }
    bool canRedo() const { return at_ + 1 < steps_.size(); }
    // What undo and redo would take back or bring back ("move line 12 to 15:0"); empty when none.
    const std::string& undoWhat() const;
    const std::string& redoWhat() const;

    // The text to write back: the one before the current step, or the one after it. Without
    // such a step the current text stays.
    const std::string& undo();
    const std::string& redo();

private:
    struct Step {
        std::string text;
        std::string what;  // the edit that made this text; empty for the first
    };

    std::vector<Step> steps_;
    std::size_t at_ = 0;
};
