// The key-up of a key that went down since the last frame waits for that frame.
#include "app/KeyLatch.h"

void KeyLatch::press(KeyState& keys, int32_t code) {
    keys.down[code] = 1;
    pressedSinceFrame[code] = true;
    releaseHeld[code] = false;
}

void KeyLatch::release(KeyState& keys, int32_t code) {
    if (pressedSinceFrame[code]) {
        releaseHeld[code] = true;
    } else {
        keys.down[code] = 0;
    }
}

void KeyLatch::frameDone(KeyState& keys) {
    for (int32_t code = 0; code < KEYS; ++code) {
        if (releaseHeld[code]) keys.down[code] = 0;
    }
    reset();
}

void KeyLatch::reset() {
    *this = KeyLatch{};
}
