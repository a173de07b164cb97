// The authoring keys of the window: Space pauses and resumes, Left and Right go a
// pattern back or on (a beat with Shift), Home goes to the start, [ and ] set the
// loop's start and end at the play head, L switches looping on and off, R reloads
// by hand, Tab shows and hides the overlay. Which key asks for what; the session acts.
#pragma once

#include <SDL_keyboard.h>

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
    Escape,
};

EditKey editKeyOf(const SDL_Keysym& key);
// Shift makes Back and On a beat instead of a pattern.
bool byBeat(const SDL_Keysym& key);
