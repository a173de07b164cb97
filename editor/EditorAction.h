// What the overlay asks of the editing session. The overlay only collects these
// while it draws (inside the player's frame); the session carries them out
// between frames. Edits name events by their index in the timeline the overlay
// showed and carry the script's bytes that timeline was read from, so that the
// session can tell when the file has changed since.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "script/BeatGrid.h"

enum class EditorActionKind {
    Seek,         // to `ms`: a script line, a finding, the start
    Scrub,        // the play head dragged to `ms`: hold the show there and let the song be heard
    ScrubEnd,     // the drag let go
    TogglePause,  // play or pause
    ToggleLoop,
    SetLoop,      // from `ms` to `endMs`, looping on
    SetGridUnit,  // picks snap to `unit` from now on
    MoveEvent,    // event `events[0]` to `ms` (whole milliseconds)
    DeleteEvents,  // the `events`
    InsertEvent,   // "keyword argument" at `ms`
    Undo,
    Redo,
};

struct EditorAction {
    EditorAction() = default;
    EditorAction(EditorActionKind kindIn, double msIn = 0.0, double endMsIn = 0.0)
        : kind(kindIn), ms(msIn), endMs(endMsIn) {}

    EditorActionKind kind = EditorActionKind::Seek;
    double ms = 0.0;
    double endMs = 0.0;
    GridUnit unit = GridUnit::QuarterBeat;
    std::vector<int32_t> events;
    std::string keyword;
    std::string argument;
    std::shared_ptr<const std::string> basis;  // the script's bytes the events were read from
};
