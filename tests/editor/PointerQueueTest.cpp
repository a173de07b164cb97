// The pointer's events reach the overlay's frames one button change at a time, so a
// press, a drag and a release that came during one slow frame stay a drag.
#include <gtest/gtest.h>

#include "editor/PointerQueue.h"

namespace {

TEST(PointerQueue, APressADragAndAReleaseInOneFrameAreThreeFramesOfADrag) {
    PointerQueue queue;
    queue.moved(10.0f, 20.0f);
    queue.button(0, true, 12.0f, 20.0f);
    queue.moved(40.0f, 21.0f);
    queue.wheel(1.0f);
    queue.moved(80.0f, 22.0f);
    queue.button(0, false, 81.0f, 22.0f);

    const PointerState pressed = queue.nextFrame();
    EXPECT_TRUE(pressed.down[0]);
    EXPECT_FLOAT_EQ(pressed.x, 12.0f) << "pressed where the button went down";
    const PointerState released = queue.nextFrame();
    EXPECT_FALSE(released.down[0]);
    EXPECT_FLOAT_EQ(released.x, 81.0f);
    EXPECT_FLOAT_EQ(released.wheel, 1.0f);
    EXPECT_FALSE(queue.pending());
    const PointerState still = queue.nextFrame();
    EXPECT_FLOAT_EQ(still.x, 81.0f);
    EXPECT_FLOAT_EQ(still.wheel, 0.0f) << "wheel steps count once";
    queue.left();
    EXPECT_LT(queue.nextFrame().x, 0.0f);
}

}  // namespace
