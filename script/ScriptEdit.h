// Edits of a script's events that rewrite only the lines they change: an event moved to a new
// time, events deleted, an event inserted. A moved or inserted line goes to the place its time
// belongs (EventPlacement.h), with its comment; every other byte (comments, blank lines, spacing,
// order, line ends) stays as it was. Time words keep their line's form and are written with the
// fewest decimals that give the time exactly. Pure: texts in, texts out, each read back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "script/EditOutcome.h"
#include "script/ScriptText.h"
#include "script/TimeWordWriter.h"

// An event statement to add.
struct NewStatement {
    std::string keyword;
    std::string argument;
    std::string comment;  // written after the argument behind "# "; empty for none
};

// Entry `index` (an event) to the time `ms`: its time word rewritten, and its line moved when
// its place changes. A line holding other statements too can only keep its place.
ScriptEditResult moveEvent(const ScriptText& script, std::size_t index, int32_t ms);

// The lines of the given events (each must have its line to itself), comments on them included.
ScriptEditResult deleteEvents(const ScriptText& script, std::vector<std::size_t> indices);

// A new line "TIME KEYWORD ARGUMENT" at `ms`, in `form`, or else in the form of the event it
// follows (or precedes), pattern:beat in a script without events.
ScriptEditResult insertEvent(const ScriptText& script, int32_t ms, const NewStatement& statement,
                             std::optional<TimeForm> form = std::nullopt);
