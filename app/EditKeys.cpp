// The authoring keys by their SDL key codes.
#include "app/EditKeys.h"

EditKey editKeyOf(const SDL_Keysym& key) {
    switch (key.sym) {
        case SDLK_SPACE:
            return EditKey::TogglePause;
        case SDLK_LEFT:
            return EditKey::Back;
        case SDLK_RIGHT:
            return EditKey::On;
        case SDLK_HOME:
            return EditKey::ToStart;
        case SDLK_LEFTBRACKET:
            return EditKey::LoopStart;
        case SDLK_RIGHTBRACKET:
            return EditKey::LoopEnd;
        case SDLK_l:
            return EditKey::ToggleLoop;
        case SDLK_r:
            return EditKey::Reload;
        case SDLK_TAB:
            return EditKey::ToggleOverlay;
        case SDLK_ESCAPE:
            return EditKey::Escape;
        default:
            return EditKey::None;
    }
}

bool byBeat(const SDL_Keysym& key) {
    return (key.mod & KMOD_SHIFT) != 0;
}
