// Findings that need the stored events in the order the queue takes them together with facts
// from outside the script: times beyond the song's end, pieces revealed without data/coords.txt,
// and reveals beyond a picture's pieces.
#pragma once

#include <vector>

#include "check/Finding.h"
#include "check/ScriptWalk.h"
#include "check/ShowFacts.h"

void checkTimeline(const std::vector<CheckedEvent>& events, const ShowFacts& facts,
                   std::vector<Finding>& findings);
