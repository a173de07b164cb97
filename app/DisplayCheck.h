// Whether a run that opens a window has a display to open it on. Runs on a
// virtual clock render offscreen and never ask.
#pragma once

#include <string>

// Empty when a window can be shown; otherwise why not, as the end of a sentence
// ("DISPLAY and WAYLAND_DISPLAY are not set").
std::string missingDisplayReason();

// Checks for a display and, when there is none, says so on standard error with
// the way to make a video instead; false then.
bool requireDisplay();
