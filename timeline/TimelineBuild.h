// Puts the timeline together from a loaded script, where its events were written,
// the song's length and the check's findings. Reads no files except through
// timelineOfScriptFile.
#pragma once

#include <string>
#include <vector>

#include "check/Finding.h"
#include "script/DemoScript.h"
#include "timeline/ScriptLines.h"
#include "timeline/Timeline.h"

// `songSeconds` negative: the song's length is unknown; spans then close at the last event.
Timeline buildTimeline(const DemoScript& script, const std::vector<ScriptLine>& lines, double songSeconds,
                       std::vector<Finding> findings = {});
// Loads the script at `path` as the player does and builds its timeline.
Timeline timelineOfScriptFile(const std::string& path, double songSeconds,
                              std::vector<Finding> findings = {});
