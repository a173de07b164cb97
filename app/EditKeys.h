// The authoring keys of the window: Space pauses and resumes, Left and Right go to
// the grid's previous or next pattern line (a beat with Shift, a step with Ctrl),
// Home goes to the start, [ and ] set the loop's start and end at the play head
// snapped to the grid (Alt held: where it is), L switches looping on and off, R
// reloads by hand, Tab shows and hides the panels, Ctrl-Z undoes the latest edit and
// Ctrl-Shift-Z (or Ctrl-Y) redoes it. Held down, only the moves and the history
// repeat: a held Space or Tab must not flicker between its two states. Which key
// asks for what; the session acts.
#pragma once

#include <SDL_keyboard.h>

#include "script/BeatGrid.h"

enum class EditKey {
    None,  // not an authoring key
    TogglePause,
    Back,
    On,
    ToStart,
    LoopStart,
    LoopEnd,
    ToggleLoop,
    Reload,
    ToggleOverlay,
    Undo,
    Redo,
    Escape,
};

EditKey editKeyOf(const SDL_Keysym& key);
// Whether the key's auto-repeat, while it is held, acts again.
bool actsOnRepeat(EditKey key);
// The grid's lines Back and On go by: patterns, with Shift beats, with Ctrl steps.
GridUnit stepUnit(const SDL_Keysym& key);
// Alt held: a time picked with the key is where the play head is, not on the grid.
bool freePick(const SDL_Keysym& key);
