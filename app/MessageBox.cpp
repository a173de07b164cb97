// Message boxes on SDL, with the standard-error fallback.
#include "app/MessageBox.h"

#include <SDL.h>

#include <cstdio>

#include "app/OutsideSignals.h"

namespace {

bool messagesToStderr = false;

void writeToStderr(const char* text, const char* caption) {
    std::fprintf(stderr, "%s: %s\n", caption, text);
    std::fflush(stderr);
}

Uint32 iconFlags(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Warning:
            return SDL_MESSAGEBOX_WARNING;
        case MessageIcon::Question:
            return SDL_MESSAGEBOX_INFORMATION;
        case MessageIcon::None:
            break;
    }
    return 0;
}

constexpr int NO_BOX = -1;   // no box could be shown: the text goes to standard error
constexpr int STOPPED = -2;  // the run is being stopped from outside: the box is dismissed

// Shows a box with the given buttons; the button id chosen, NO_BOX or STOPPED.
int runBox(const char* text, const char* caption, MessageIcon icon, const SDL_MessageBoxButtonData* buttons,
           int buttonCount) {
    if (messagesToStderr) return NO_BOX;
    const ShownMessageBox shown;
    if (stopRequested()) return STOPPED;
    SDL_MessageBoxData box{};
    box.flags = iconFlags(icon);
    box.window = nullptr;
    box.title = caption;
    box.message = text;
    box.numbuttons = buttonCount;
    box.buttons = buttons;
    int chosen = NO_BOX;
    if (SDL_ShowMessageBox(&box, &chosen) != 0) return stopRequested() ? STOPPED : NO_BOX;
    return chosen;
}

}  // namespace

void setMessagesToStderr(bool toStderr) {
    messagesToStderr = toStderr;
}

void showMessage(const char* text, const char* caption, MessageIcon icon) {
    const SDL_MessageBoxButtonData ok[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0, "OK"}};
    if (runBox(text, caption, icon, ok, 1) == NO_BOX) writeToStderr(text, caption);
}

bool askYesNo(const char* text, const char* caption) {
    enum { NO = 0, YES = 1 };
    // Return answers Yes, Escape (and closing the box) answers No, the default.
    const SDL_MessageBoxButtonData buttons[] = {
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, NO, "No"},
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, YES, "Yes"},
    };
    const int chosen = runBox(text, caption, MessageIcon::Question, buttons, 2);
    if (chosen == NO_BOX) writeToStderr(text, caption);
    return chosen == YES;
}

void showError(const char* text) {
    showMessage(text, "Error", MessageIcon::Warning);
}
