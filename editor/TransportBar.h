// The editor's transport bar: play or pause, back to the start, looping on and
// off, then where the show is (pattern:beat and seconds), the tempo, the grid's
// unit that picks snap to, frames per second and the loop. Items that do not fit
// the window's width go on a second line rather than being cut off.
#pragma once

#include <string>
#include <vector>

#include "editor/EditorAction.h"
#include "editor/EditorFeed.h"

// Draws into the current Dear ImGui window; the lines it took.
int drawTransportBar(const EditorFeed& feed, const BeatGrid& grid, double playSeconds,
                     std::vector<EditorAction>& actions);
