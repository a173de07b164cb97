// Finding the place: the first event due after the time (or the end line) bounds it; the new line
// goes right after the last event before that bound, or right before the bound when there is none,
// so comments that head a group of lines stay above the group. A bound inside a line holding
// several statements leaves no place.
#include "script/EventPlacement.h"

#include <algorithm>

#include "script/TextLines.h"

namespace {

using Entries = std::vector<ScriptEntry>;

int32_t firstLater(const Entries& entries, int32_t ms, int32_t moving) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (static_cast<int32_t>(i) == moving) continue;
        if (entries[i].isEnd || entries[i].timeMs > ms) return static_cast<int32_t>(i);
    }
    return -1;
}

int32_t lastBefore(int32_t bound, int32_t moving) {
    for (int32_t i = bound - 1; i >= 0; --i) {
        if (i != moving) return i;
    }
    return -1;
}

// Every event above the line is due by `ms`, every one below it and above the bound at `ms`,
// and the end line is not above it.
bool fits(const Entries& entries, std::size_t line, int32_t ms, int32_t moving, int32_t bound) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (static_cast<int32_t>(i) == moving) continue;
        const ScriptEntry& entry = entries[i];
        const bool above = static_cast<std::size_t>(entry.line - 1) < line;
        if (entry.isEnd) return !above;
        if (above && entry.timeMs > ms) return false;
        const bool beforeBound = bound < 0 || static_cast<int32_t>(i) < bound;
        if (!above && beforeBound && entry.timeMs < ms) return false;
    }
    return true;
}

}  // namespace

Placement placeEvent(const ScriptText& script, int32_t ms, int32_t moving) {
    const Entries& entries = script.entries();
    Placement place;
    const int32_t bound = firstLater(entries, ms, moving);
    place.after = lastBefore(bound < 0 ? static_cast<int32_t>(entries.size()) : bound, moving);
    place.before = bound;
    if (place.after >= 0) {
        place.line = static_cast<std::size_t>(entries[static_cast<std::size_t>(place.after)].line);
    } else if (bound >= 0) {
        place.line = static_cast<std::size_t>(entries[static_cast<std::size_t>(bound)].line - 1);
    } else {
        place.line = TextLines(script.bytes()).size();
    }
    if (!fits(entries, place.line, ms, moving, bound)) {
        const int32_t crowded = place.after >= 0 ? place.after : bound;
        place.refusal = "its place is inside line " +
                        std::to_string(entries[static_cast<std::size_t>(crowded)].line) +
                        ", which holds more than one statement: split that line first";
        return place;
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (static_cast<int32_t>(i) != moving && !entries[i].isEnd &&
            static_cast<std::size_t>(entries[i].line - 1) < place.line)
            ++place.position;
    }
    place.tempo = script.tempoBefore(static_cast<int32_t>(place.line) + 1);
    return place;
}

bool keepsPlace(const ScriptText& script, std::size_t index, int32_t ms) {
    const Entries& entries = script.entries();
    for (std::size_t i = 0; i < index; ++i) {
        if (entries[i].timeMs > ms) return false;
    }
    for (std::size_t i = index + 1; i < entries.size() && !entries[i].isEnd && entries[i].timeMs <= ms; ++i) {
        if (entries[i].timeMs < ms) return false;
    }
    return true;
}
