#include "bench/OffscreenShow.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "app/MessageBox.h"

namespace {

RunPlan sixteenMsFrames() {
    RunPlan plan;
    plan.clock = FrameClock::FixedStep;
    return plan;
}

}  // namespace

OffscreenShow::OffscreenShow() : player(sixteenMsFrames()) {}

bool OffscreenShow::open(const char* folder) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setMessagesToStderr(true);
    window.keys = &keys_;
    window.app = &application_;
    window.fullscreen = false;
    if (chdir(folder) == 0 && registerWindowClass(application_) && openGLWindow(window) &&
        player.open(window, keys_, shellServices()))
        return true;
    std::fprintf(stderr, "cannot open the show in %s\n", folder);
    return false;
}

void OffscreenShow::close() {
    player.close();
    closeGLWindow(window);
    unregisterWindowClass(application_);
}
