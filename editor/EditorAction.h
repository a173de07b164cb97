// What the overlay asks of the editing session. The overlay only collects these
// while it draws (inside the player's frame); the session carries them out
// between frames.
#pragma once

#include <cstdint>

enum class EditorActionKind {
    Seek,         // to `ms`: a script line, a finding, the start
    Scrub,        // the play head dragged to `ms`: hold the show there and let the song be heard
    ScrubEnd,     // the drag let go
    TogglePause,  // play or pause
    ToggleLoop,
    SetLoop,  // from `ms` to `endMs`, looping on
};

struct EditorAction {
    EditorActionKind kind = EditorActionKind::Seek;
    double ms = 0.0;
    double endMs = 0.0;
};
