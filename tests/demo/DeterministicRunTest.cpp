// The driver's timeline seen through the deterministic run mode: event timing and
// order, the step clock, camera jumps, the flash and the trace contract.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/PlayerRun.h"
#include "tests/support/TempDir.h"

namespace {

const char* const HEADER =
    "init bpm 125\n"
    "init patternLength 16\n"
    "init patternSpeed 4\n";

PlayerRun runShow(const std::string& events, int frames, int dtMs, const std::string& extra = "") {
    TempDir dir;
    writeShow(dir.path(), std::string(HEADER) + events);
    return runPlayer(dir.path(), "--frames " + std::to_string(frames) + " --dt " + std::to_string(dtMs) +
                                        " --trace " + extra);
}

int firstFrameWithEvent(const PlayerRun& run, int kind) {
    for (size_t i = 0; i < run.lines.size(); ++i) {
        for (int k : run.lines[i].events()) {
            if (k == kind) return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace

TEST(DeterministicRun, PrintsOneLinePerFrameWithTheVirtualClockAndExitsZero) {
    const PlayerRun run = runShow("", 300, 16);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(run.lines.size(), 300u);
    for (size_t k = 0; k < run.lines.size(); ++k) {
        const TraceLine& line = run.lines[k];
        EXPECT_EQ(line["frame"], std::to_string(k));
        char expected[32];
        std::snprintf(expected, sizeof expected, "%.6f",
                      static_cast<double>(static_cast<float>((k + 1) * 16 / 1000.0)));
        EXPECT_EQ(line["t"], expected) << "frame " << k;
        for (const char* key : {"events", "jump", "flash", "camera", "distance", "rng", "spin", "speed"}) {
            EXPECT_EQ(line.fields.count(key), 1u) << key;
        }
    }
}

TEST(DeterministicRun, TwoRunsOfTheSameShowAreIdentical) {
    const std::string show =
        "0 sync on\n0 syncPattern %x.x.x.x.x.x.x.x.\n0 randomCamera on\n0:2 palikat on\n";
    const PlayerRun first = runShow(show, 120, 16);
    const PlayerRun second = runShow(show, 120, 16);
    ASSERT_EQ(first.exitCode, 0);
    EXPECT_EQ(first.out, second.out);
}

TEST(DeterministicRun, AnEventIsAppliedOnTheFirstFrameWhosePositionReachesItsTime) {
    const PlayerRun run = runShow("1:0 lorenz on\n", 130, 16);  // 1920 ms
    ASSERT_EQ(run.lines.size(), 130u);
    EXPECT_EQ(firstFrameWithEvent(run, 10), 119);
    EXPECT_EQ(run.lines[119]["t"], "1.920000");
}

TEST(DeterministicRun, EventsDueTogetherAreAppliedInFileOrderWithinOneFrame) {
    const PlayerRun run = runShow("0:1 palikat on\n0:1 lorenz on\n0:1 hohto on\n0:1 putki off\n", 40, 16);
    const int frame = firstFrameWithEvent(run, 1);
    ASSERT_GE(frame, 0);
    EXPECT_EQ(run.lines[frame].events(), (std::vector<int>{1, 10, 2, 5}));
}

TEST(DeterministicRun, AnUnknownKeywordEndsTheFramesDispatchAndTheRestFollowsNextFrame) {
    const PlayerRun run = runShow("0:1 palikat on\n0:1 flash on\n0:1 lorenz on\n", 40, 16);
    const int frame = firstFrameWithEvent(run, 1);
    ASSERT_GE(frame, 0);
    EXPECT_EQ(run.lines[frame].events(), std::vector<int>{1});
    EXPECT_EQ(run.lines[frame + 1].events(), std::vector<int>{10});
}

TEST(DeterministicRun, KindsSevenAndEightAndUnknownKindsNeverReachTheTrace) {
    // Nothing produces kinds 7 and 8; an unknown keyword is kind 0 and is not reported.
    const PlayerRun run = runShow("0 bogus on\n0 palikat on\n", 5, 16);
    ASSERT_EQ(run.lines.size(), 5u);
    EXPECT_EQ(run.lines[0].events(), std::vector<int>{});
    EXPECT_EQ(run.lines[1].events(), std::vector<int>{1});
}

TEST(DeterministicRun, TheStepClockTakesAtMostOneStepPerFrameAndCatchesUp) {
    // Every step on, 500 ms frames: four steps are due per frame but only one is taken each frame.
    const PlayerRun run = runShow("0 sync on\n0 syncPattern %xxxxxxxxxxxxxxxx\n", 10, 500);
    ASSERT_EQ(run.lines.size(), 10u);
    for (const TraceLine& line : run.lines) EXPECT_EQ(line["jump"], "1") << line["frame"];
}

TEST(DeterministicRun, CameraJumpsFollowTheSyncPatternSteps) {
    // Steps 0, 4, 8, 12 on: a jump every 0.48 s (step period 0.12 s at 125 bpm and 4 steps per beat).
    const PlayerRun run = runShow("0 sync on\n0 syncPattern %x...x...x...x...\n", 200, 10);
    std::vector<double> jumpTimes;
    for (const TraceLine& line : run.lines) {
        if (line["jump"] == "1") jumpTimes.push_back(line.number("t"));
    }
    ASSERT_EQ(jumpTimes.size(), 5u);  // 0.01, 0.48, 0.96, 1.44, 1.92 within 2 s
    for (size_t n = 0; n < jumpTimes.size(); ++n) {
        EXPECT_GE(jumpTimes[n], 0.48 * n - 1e-6);
        EXPECT_LT(jumpTimes[n], 0.48 * n + 0.0101);
    }
}

TEST(DeterministicRun, WithSyncOffStepsPassWithoutJumpsAndThePatternHoldsItsPlace) {
    // sync goes on at 1.0 s: the pattern starts at its step 0 then, whatever steps passed before.
    const PlayerRun run = runShow("0 syncPattern %x...............\n1 sync on\n", 150, 10);
    int jumps = 0;
    for (const TraceLine& line : run.lines) {
        if (line["jump"] == "1") {
            ++jumps;
            EXPECT_GE(line.number("t"), 0.48 - 1e-6);  // 1 beat = 0.48 s
        }
    }
    EXPECT_EQ(jumps, 1);
}

TEST(DeterministicRun, TheFlashFadesToBlackIn100MillisecondsWhateverTheFrameTime) {
    for (int dt : {10, 20, 25, 50}) {
        const PlayerRun run = runShow("0 sync on\n0 syncPattern %x\n", 300 / dt, dt);
        ASSERT_EQ(run.lines[0]["jump"], "1");
        const int framesTo100ms = 100 / dt;
        for (int k = 0; k < framesTo100ms - 1; ++k) {
            EXPECT_NEAR(run.lines[k].number("flash"), 1.0 - 0.01 * dt * (k + 1), 1e-5) << "dt " << dt;
        }
        EXPECT_NEAR(run.lines[framesTo100ms - 1].number("flash"), 0.0, 1e-5) << "dt " << dt;
    }
}

TEST(DeterministicRun, RandomCameraOverridesTheScriptedDistanceAtEachJump) {
    const PlayerRun plain = runShow("0 cameraDistance 7.5\n0 sync on\n0 syncPattern %x...x...\n", 100, 16);
    for (const TraceLine& line : plain.lines) EXPECT_EQ(line["distance"], "7.500000");

    const PlayerRun random =
        runShow("0 cameraDistance 7.5\n0 randomCamera on\n0 sync on\n0 syncPattern %x...x...\n", 100, 16);
    ASSERT_EQ(random.lines[0]["jump"], "1");
    for (const TraceLine& line : random.lines) {
        const double distance = line.number("distance");
        EXPECT_EQ(distance, std::floor(distance));
        EXPECT_GE(distance, 0.0);
        EXPECT_LE(distance, 19.0);
    }
}

TEST(DeterministicRun, AJumpPointsTheCameraOnTheUnitCircleWithZMinusOneOrZero) {
    const PlayerRun run = runShow("0 sync on\n0 syncPattern %xxxxxxxxxxxxxxxx\n", 200, 16);
    int jumps = 0;
    for (const TraceLine& line : run.lines) {
        if (line["jump"] != "1") continue;
        ++jumps;
        double x = 0, y = 0, z = 0;
        ASSERT_EQ(std::sscanf(line["camera"].c_str(), "%lf,%lf,%lf", &x, &y, &z), 3);
        EXPECT_NEAR(x * x + y * y, 1.0, 1e-5);
        EXPECT_TRUE(z == -1.0 || z == 0.0) << z;
        double theta = std::atan2(x, y);
        if (theta < 0) theta += 2 * M_PI;
        EXPECT_NEAR(theta * 100.0, std::round(theta * 100.0), 1e-3);  // whole hundredths of a radian
    }
    EXPECT_GT(jumps, 10);
}

TEST(DeterministicRun, AMissingSongIsReportedAndTheShowRunsOnItsClock) {
    const PlayerRun run = runShow("init songfile data/nothing-here.ogg\n0:1 palikat on\n", 60, 16);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.err.find("Couldn't load the song"), std::string::npos) << run.err;
    ASSERT_EQ(run.lines.size(), 60u);
    EXPECT_EQ(run.lines[59]["t"], "0.960000");
    EXPECT_GE(firstFrameWithEvent(run, 1), 0);
}

TEST(DeterministicRun, DataOptionChangesIntoTheShowFolder) {
    TempDir show;
    writeShow(show.path(), std::string(HEADER) + "0 palikat on\n");
    TempDir elsewhere;
    const PlayerRun run =
        runPlayer(elsewhere.path(), "--frames 2 --dt 16 --trace --data '" + show.path() + "'");
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_EQ(run.lines[0].events(), std::vector<int>{1});

    const PlayerRun missing = runPlayer(elsewhere.path(), "--frames 2 --data '" + show.path() + "/nope'");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.lines.empty());
}
