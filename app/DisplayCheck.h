// Whether a run that opens a window has a display to open it on, with the one
// message that says it has not and how to make a video instead. Runs on a virtual
// clock render offscreen and never ask.
#pragma once

// Before anything else: false, with the message, when neither DISPLAY nor
// WAYLAND_DISPLAY is set and no SDL video driver is named. No SDL call is made.
bool requireDisplay();

// After SDL's video has started: false, with the message, when SDL fell back to a
// driver that draws into memory only (its offscreen or dummy driver), as it does
// when the display named cannot be reached.
bool requireShowingVideoDriver();
