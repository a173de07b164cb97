// A list of whole texts and a place in it.
#include "script/EditHistory.h"

#include <utility>

namespace {

const std::string NOTHING;

}  // namespace

EditHistory::EditHistory(std::string text) {
    steps_.push_back({std::move(text), ""});
}

void EditHistory::record(std::string text, std::string what) {
    if (text == current()) return;
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(at_) + 1, steps_.end());
    steps_.push_back({std::move(text), std::move(what)});
    at_ = steps_.size() - 1;
}

const std::string& EditHistory::undoWhat() const {
    return canUndo() ? steps_[at_].what : NOTHING;
}

const std::string& EditHistory::redoWhat() const {
    return canRedo() ? steps_[at_ + 1].what : NOTHING;
}

const std::string& EditHistory::undo() {
    if (canUndo()) --at_;
    return current();
}

const std::string& EditHistory::redo() {
    if (canRedo()) ++at_;
    return current();
}
