// The glow layers read back from a real framebuffer: hohto brightens the screen
// around the shell, and the colour fringes show only inside hohto.
#include <cstdint>
#include <vector>

#include "tests/scene/SceneFixture.h"

using GlowLayer = SceneFixture;

namespace {

uint64_t channelSum(const std::vector<uint8_t>& frame, size_t channel) {
    uint64_t sum = 0;
    for (size_t i = channel; i < frame.size(); i += 4) sum += frame[i];
    return sum;
}

uint64_t brightness(const std::vector<uint8_t>& frame) {
    return channelSum(frame, 0) + channelSum(frame, 1) + channelSum(frame, 2);
}

}  // namespace

TEST_F(GlowLayer, HohtoBrightensThePixelsAroundTheShell) {
    scene->bufferDetail = 4;
    scene->syncAction();
    drawFrame();
    const uint64_t without = brightness(readFrame());
    scene->hohtoOn = true;
    drawFrame();
    const std::vector<uint8_t> glowing = readFrame();
    EXPECT_GT(brightness(glowing), without + 1000);
    // The halo is orange: the core sphere's colour left by the shell's list.
    EXPECT_GT(channelSum(glowing, 0), channelSum(glowing, 1));
    EXPECT_GT(channelSum(glowing, 1), channelSum(glowing, 2));
}

TEST_F(GlowLayer, RgbhohtoDrawsNothingWithoutHohto) {
    scene->bufferDetail = 4;
    scene->syncAction();
    scene->hohtoOn = true;
    drawFrame();  // fills the capture texture the fringes would show

    scene->hohtoOn = false;
    drawFrame();
    const std::vector<uint8_t> plain = readFrame();
    scene->rgbhohtoOn = true;
    drawFrame();
    EXPECT_EQ(readFrame(), plain);

    // The same capture does show as fringes once hohto runs them.
    scene->hohtoOn = true;
    scene->rgbhohtoOn = false;
    drawFrame();
    const std::vector<uint8_t> glowOnly = readFrame();
    scene->rgbhohtoOn = true;
    drawFrame();
    EXPECT_NE(readFrame(), glowOnly);
}
