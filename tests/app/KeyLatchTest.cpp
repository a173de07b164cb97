// A tap shorter than a frame must still be seen by that frame; held keys and
// releases of keys pressed in earlier frames behave as plain key flags.
#include <gtest/gtest.h>

#include "app/KeyLatch.h"

namespace {

constexpr int32_t ESCAPE = 27;
constexpr int32_t SPACE = 32;

}  // namespace

TEST(KeyLatch, ATapBetweenTwoFramesIsDownForTheNextFrameOnly) {
    KeyState keys;
    KeyLatch latch;
    latch.press(keys, ESCAPE);
    latch.release(keys, ESCAPE);
    EXPECT_EQ(keys.down[ESCAPE], 1) << "the frame after the tap must see it";
    latch.frameDone(keys);
    EXPECT_EQ(keys.down[ESCAPE], 0);
}

TEST(KeyLatch, KeysHeldOrReleasedAcrossFramesReadAsTheyAre) {
    KeyState keys;
    KeyLatch latch;
    latch.press(keys, SPACE);
    latch.frameDone(keys);
    EXPECT_EQ(keys.down[SPACE], 1) << "held across a frame";
    latch.release(keys, SPACE);
    EXPECT_EQ(keys.down[SPACE], 0) << "pressed in an earlier frame: released at once";

    // Pressed again after a held-back release: down, and it stays down.
    latch.press(keys, ESCAPE);
    latch.release(keys, ESCAPE);
    latch.press(keys, ESCAPE);
    latch.frameDone(keys);
    EXPECT_EQ(keys.down[ESCAPE], 1);
}

TEST(KeyLatch, ANewWindowReleasesKeysPressedBeforeIt) {
    KeyState keys;
    KeyLatch latch;
    latch.press(keys, ESCAPE);
    latch.reset();
    latch.release(keys, ESCAPE);
    EXPECT_EQ(keys.down[ESCAPE], 0) << "no frame of the new window is owed the old press";
}
