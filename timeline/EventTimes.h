// The script's events as the timeline lists them: each with its line and the song
// time it takes effect, which the file order of the queue may put later than its own.
#pragma once

#include <vector>

#include "script/DemoScript.h"
#include "timeline/ScriptLines.h"
#include "timeline/Timeline.h"

// `lines` should hold one entry per stored event; where it does not, lines are left unknown.
std::vector<TimelineEvent> timelineEvents(const DemoScript& script, const std::vector<ScriptLine>& lines);
