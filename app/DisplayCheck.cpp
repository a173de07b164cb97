// The display checks of a window run. The first needs only the environment; the
// second asks SDL which video driver it started, since SDL falls back to its
// offscreen driver, which shows nothing and would play the show to nobody.
#include "app/DisplayCheck.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

void reportNoDisplay(const std::string& reason) {
    std::fprintf(stderr,
                 "flashstep: no display to open a window on (%s); to make a video of the show instead: "
                 "flashstep --capture show.mp4\n",
                 reason.c_str());
}

}  // namespace

bool requireDisplay() {
    // A driver named by the user (KMSDRM on a console, say) needs neither variable.
    if (isSet("SDL_VIDEODRIVER") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY")) return true;
    reportNoDisplay("DISPLAY and WAYLAND_DISPLAY are not set");
    return false;
}

bool requireShowingVideoDriver() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr) driver = "none";
    if (std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0) return true;
    reportNoDisplay(std::string("SDL found only its \"") + driver + "\" video driver, which shows nothing");
    return false;
}
