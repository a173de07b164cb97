// The overlay's transport bar: play or pause, back to the start, looping on and
// off, then where the show is (pattern:beat and seconds), frames per second, the
// loop and the session's latest notice.
#pragma once

#include <string>
#include <vector>

#include "editor/EditorAction.h"
#include "editor/EditorFeed.h"

class DemoScript;

// Draws into the current Dear ImGui window; `note` (may be empty) follows the notice.
// Times are named in the tempo of `script`, the running show's.
void drawTransportBar(const EditorFeed& feed, double playSeconds, const DemoScript& script,
                      const std::string& note, std::vector<EditorAction>& actions);
