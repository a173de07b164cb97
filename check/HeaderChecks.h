// Findings on header statements ("init KEY VALUE"): unknown keys, tempo values the loader refuses
// or clamps, values that are not whole numbers, tempo and offset changes after events, names cut
// short and "init set".
#pragma once

#include <cstdint>
#include <vector>

#include "check/Finding.h"
#include "script/DemoScript.h"
#include "script/ScriptStatements.h"

// The header values that time event lines.
struct TempoValues {
    int32_t bpm = 0;
    int32_t patternLength = 0;
    int32_t patternSpeed = 0;
    int32_t offsetMs = 0;
};

TempoValues tempoOf(const DemoScript& script);

// `before` holds the values in force before the statement, `script` the state after the loader
// applied it; `eventsBefore` says whether an event statement came earlier. True when a tempo value
// is not read whole: the times below follow a number the author did not write.
bool checkHeader(const ScriptStatement& header, const TempoValues& before, const DemoScript& script,
                 bool eventsBefore, std::vector<Finding>& findings);
