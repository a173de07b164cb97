// The display check before a window run. Without DISPLAY or WAYLAND_DISPLAY no SDL
// call is made at all; otherwise SDL's video start-up is tried once, because SDL
// falls back to its offscreen driver, which shows nothing and never ends the show.
#include "app/DisplayCheck.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

// Drivers that draw into memory only.
bool showsNothing(const char* driver) {
    return std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0;
}

std::string videoStartReason() {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        return std::string("SDL cannot start its video: ") + SDL_GetError();
    const char* driver = SDL_GetCurrentVideoDriver();
    std::string reason;
    if (driver == nullptr || showsNothing(driver)) {
        reason = std::string("SDL found only its \"") + (driver != nullptr ? driver : "?") +
                 "\" video driver, which shows nothing";
    }
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return reason;
}

}  // namespace

std::string missingDisplayReason() {
    // A driver named by the user (KMSDRM on a console, say) needs neither variable.
    if (!isSet("SDL_VIDEODRIVER") && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY")) {
        return "DISPLAY and WAYLAND_DISPLAY are not set";
    }
    return videoStartReason();
}

bool requireDisplay() {
    const std::string reason = missingDisplayReason();
    if (reason.empty()) return true;
    std::fprintf(stderr,
                 "flashstep: no display to open a window on (%s); to make a video of the show instead: "
                 "flashstep --capture show.mp4\n",
                 reason.c_str());
    return false;
}
