// Keeps a quick key tap visible to the frame: a key pressed and released between
// two frames stays down until that frame is done, so Escape tapped during a slow
// frame is not lost. A key held across frames reads exactly as before.
#pragma once

#include <cstdint>

#include "demo/ShellServices.h"

class KeyLatch {
public:
    // Record a key-down or key-up notice (virtual-key code 0..255) in `keys`.
    void press(KeyState& keys, int32_t code);
    void release(KeyState& keys, int32_t code);
    // After each frame: lets go of the keys whose key-up was held back.
    void frameDone(KeyState& keys);
    // A new window starts with nothing pressed or held back.
    void reset();

private:
    static constexpr int32_t KEYS = 256;
    bool pressedSinceFrame[KEYS] = {};
    bool releaseHeld[KEYS] = {};
};
