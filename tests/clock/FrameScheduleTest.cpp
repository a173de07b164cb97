// The frame times of runs on a virtual clock: whole milliseconds that never drift
// from the schedule, and enough frames to cover a song.
#include <gtest/gtest.h>

#include "clock/FrameSchedule.h"

TEST(FrameSchedule, FrameStartsAreRoundedWholeMilliseconds) {
    struct Case {
        uint32_t fps;
        int64_t frame;
        int64_t startMs;
    };
    for (const Case& c : {Case{60, 0, 0}, Case{60, 1, 17}, Case{60, 2, 33}, Case{60, 3, 50},
                          Case{60, 60, 1000}, Case{30, 1, 33}, Case{30, 2, 67}, Case{24, 1, 42},
                          Case{24, 3, 125}, Case{1000, 7, 7}, Case{1, 5, 5000}, Case{60, 8460, 141000}}) {
        EXPECT_EQ(fixedRateFrameStartMs(c.frame, c.fps), c.startMs) << c.fps << " fps, frame " << c.frame;
    }
}

TEST(FrameSchedule, FrameTimesAddUpToTheScheduleWithoutDrift) {
    for (uint32_t fps : {24u, 25u, 30u, 50u, 60u, 144u}) {
        int64_t clock = 0;
        for (int64_t k = 0; k < 20000; ++k) {
            clock += fixedRateFrameTime(k, fps);
            ASSERT_EQ(clock, fixedRateFrameStartMs(k, fps)) << fps << " fps, frame " << k;
        }
        EXPECT_EQ(fixedRateFrameTime(0, fps), 0u);
    }
}

TEST(FrameSchedule, TimerFollowsDtOrTheFixedRate) {
    FrameSchedule stepped;
    stepped.dtMs = 16;
    EXPECT_EQ(stepped.next(), 16u);  // the first frame already advances
    EXPECT_EQ(stepped.next(), 16u);

    FrameSchedule capture;
    capture.fixedRate = true;
    capture.fps = 60;
    const uint32_t expected[] = {0, 17, 16, 17, 17, 16};
    for (uint32_t dt : expected) EXPECT_EQ(capture.next(), dt);
}

TEST(FrameSchedule, FramesCoverTheSongWithinOneFrame) {
    struct Case {
        double seconds;
        uint32_t fps;
        int64_t frames;
    };
    for (const Case& c : {Case{141.0, 60, 8460}, Case{1.0, 30, 30}, Case{1.001, 60, 61}, Case{0.999, 60, 60},
                          Case{0.0, 60, 1}, Case{0.5, 1, 1}, Case{2.5, 2, 5}}) {
        EXPECT_EQ(framesToCover(c.seconds, c.fps), c.frames) << c.seconds << " s at " << c.fps;
    }
}
