// Mastering and echo: the song ends just below full scale whatever the mix's
// level, silence stays silent, and the echo returns on the other side in time.
#include <gtest/gtest.h>

#include <cmath>

#include "generator/Mix.h"

TEST(Master, ScalesAnyMixSoItsPeakIsTheCeiling) {
    for (double level : {0.01, 0.8, 7.5}) {
        StereoBuffer buffer(2000);
        for (std::size_t i = 0; i < buffer.frames(); ++i) {
            buffer.left[i] = static_cast<float>(level * std::sin(i * 0.05));
            buffer.right[i] = static_cast<float>(-level * 0.5 * std::sin(i * 0.07));
        }
        master(buffer, MASTER_CEILING);
        EXPECT_NEAR(peak(buffer), MASTER_CEILING, 1e-6) << "level " << level;
    }
}

TEST(Master, LeavesSilenceSilent) {
    StereoBuffer buffer(100);
    master(buffer, MASTER_CEILING);
    EXPECT_EQ(peak(buffer), 0.0);
    for (float v : buffer.left) EXPECT_FALSE(std::isnan(v));
}

TEST(PingPongEcho, ReturnsAnImpulseAfterTheDelayOnAlternatingSides) {
    StereoBuffer buffer(100);
    buffer.left[0] = 1.0f;
    buffer.right[0] = 1.0f;
    addPingPongEcho(buffer, 10, 0.5, 1.0);
    EXPECT_FLOAT_EQ(buffer.left[0], 1.0f);
    EXPECT_FLOAT_EQ(buffer.left[10], 1.0f);  // first echo on the left
    EXPECT_FLOAT_EQ(buffer.right[10], 0.0f);
    EXPECT_FLOAT_EQ(buffer.right[20], 0.5f);  // then the right, one feedback lower
    EXPECT_FLOAT_EQ(buffer.left[20], 0.0f);
    EXPECT_FLOAT_EQ(buffer.left[30], 0.25f);
    EXPECT_FLOAT_EQ(buffer.left[15], 0.0f);
}
