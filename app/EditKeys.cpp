// The authoring keys by their SDL key codes.
#include "app/EditKeys.h"

namespace {

bool held(const SDL_Keysym& key, uint16_t modifier) {
    return (key.mod & modifier) != 0;
}

// Ctrl-Z, Ctrl-Shift-Z and Ctrl-Y; None for any other key.
EditKey historyKeyOf(const SDL_Keysym& key) {
    if (!held(key, KMOD_CTRL)) return EditKey::None;
    if (key.sym == SDLK_z) return held(key, KMOD_SHIFT) ? EditKey::Redo : EditKey::Undo;
    return key.sym == SDLK_y ? EditKey::Redo : EditKey::None;
}

}  // namespace

EditKey editKeyOf(const SDL_Keysym& key) {
    const EditKey history = historyKeyOf(key);
    if (history != EditKey::None) return history;
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

bool actsOnRepeat(EditKey key) {
    return key == EditKey::Back || key == EditKey::On || key == EditKey::Undo || key == EditKey::Redo;
}

GridUnit stepUnit(const SDL_Keysym& key) {
    if (held(key, KMOD_CTRL)) return GridUnit::Step;
    return held(key, KMOD_SHIFT) ? GridUnit::Beat : GridUnit::Pattern;
}

bool freePick(const SDL_Keysym& key) {
    return held(key, KMOD_ALT);
}
