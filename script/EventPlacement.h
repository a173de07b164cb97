// Where an event at a given time belongs in a script. The queue takes events in file order, each
// held back by any listed before it, so an event goes where every event before it is due no later
// and none between it and the next later one is due earlier: it is then taken at its own time
// and every other event as before. Among equal times a new event goes last.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "script/ScriptText.h"

struct Placement {
    std::size_t line = 0;      // the new line goes before this line (from 0; the line count: at the end)
    std::size_t position = 0;  // the events that come before it
    ScriptTempo tempo;         // the header values in force there
    int32_t after = -1;        // the entry it follows, -1 when none: whose form a new line takes
    int32_t before = -1;       // the first entry after it, -1 when none
    std::string refusal;       // why there is no such place; empty when there is
};

// The place for an event at `ms`, leaving out entry `moving` (-1 for none), as when that event
// itself is moved. Never after the end line, which stops the reading.
Placement placeEvent(const ScriptText& script, int32_t ms, int32_t moving = -1);

// Whether event `index` may stay where it is with the time `ms`: then only its time word changes.
bool keepsPlace(const ScriptText& script, std::size_t index, int32_t ms);
