// The generated show's player on the shell's own window, offscreen, on a virtual
// clock of 16 ms frames with no sound device: what the benchmark programs measure.
#pragma once

#include "app/Shell.h"
#include "player/Player.h"

class OffscreenShow {
public:
    OffscreenShow();
    OffscreenShow(const OffscreenShow&) = delete;
    OffscreenShow& operator=(const OffscreenShow&) = delete;

    // Changes into `folder` (the one holding data/) and opens the player there;
    // false, said on standard error, when it cannot.
    bool open(const char* folder);
    void close();

    GLWindow window;
    Player player;

private:
    Application application_;
    KeyState keys_;
};
