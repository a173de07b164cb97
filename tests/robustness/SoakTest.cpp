// Soak: the whole generated show played pass after pass in one process, each pass
// as the shell runs it (a fresh GL context, demoInit, every frame, demoShutdown),
// with resident memory sampled after each. Per-frame or per-pass growth from display
// lists, textures, quadrics or anything else shows as memory that keeps rising.
// CI plays 10 passes at 500 ms frames; FLASHSTEP_SOAK_PASSES and FLASHSTEP_SOAK_DT_MS
// set a longer or finer soak by hand (e.g. 10 passes at 16 ms, about half an hour).
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "app/MessageBox.h"
#include "app/Shell.h"
#include "demo/Demo.h"
#include "demo/DemoState.h"
#include "demo/MusicClock.h"
#include "demo/MusicStream.h"
#include "demo/RunOptions.h"
#include "tests/support/GlContext.h"

namespace {

constexpr int DEFAULT_PASSES = 10;
constexpr uint32_t DEFAULT_DT_MS = 500;
// Allocator and driver noise between passes; a per-frame leak of even one display
// list or texture adds far more over a pass.
constexpr long FLAT_TOLERANCE_KB = 3 * 1024;

int settingFromEnvironment(const char* name, int fallback) {
    const char* text = std::getenv(name);
    if (text == nullptr) return fallback;
    const int value = std::atoi(text);
    return value > 0 ? value : fallback;
}

long residentKb() {
    std::ifstream statm("/proc/self/statm");
    long totalPages = 0;
    long residentPages = 0;
    statm >> totalPages >> residentPages;
    return residentPages * (sysconf(_SC_PAGESIZE) / 1024);
}

struct PassMemory {
    long playingKb = 0;  // after the last frame, the show still loaded
    long afterKb = 0;    // after shutdown, with the GL context gone
};

// One pass: the song from its start to its end, every frame drawn.
PassMemory playOnePass(int frames, uint32_t dtMs) {
    PassMemory memory;
    GlContext context;
    EXPECT_TRUE(context.ok());
    if (!context.ok()) return memory;
    KeyState keys;
    GLWindow window;
    window.keys = &keys;
    // A restarted demo keeps its step clock; a soak pass is the show from its start.
    demo::nextStepTime = 0.0f;
    demoInit(window, keys);
    for (int frame = 0; frame < frames; ++frame) {
        virtualClockAdvance(dtMs);
        demoUpdate(dtMs);
        demoDraw();
    }
    glFinish();
    memory.playingKb = residentKb();
    demoShutdown();
    return memory;
}

TEST(Soak, ResidentMemoryStaysFlatOverRepeatedWholeShows) {
    ASSERT_EQ(chdir(FLASHSTEP_DATA_PARENT), 0);
    const int passes = settingFromEnvironment("FLASHSTEP_SOAK_PASSES", DEFAULT_PASSES);
    const auto dtMs = static_cast<uint32_t>(settingFromEnvironment("FLASHSTEP_SOAK_DT_MS", DEFAULT_DT_MS));
    const double songSeconds = measureSongSeconds("data/song.ogg");
    ASSERT_GT(songSeconds, 60.0);
    const int frames = static_cast<int>(std::ceil(songSeconds * 1000.0 / dtMs)) + 2;
    runOptions().frames = frames;  // the virtual clock, no sound device
    setMessagesToStderr(true);

    std::vector<PassMemory> memory;
    const long startKb = residentKb();
    for (int pass = 0; pass < passes; ++pass) {
        memory.push_back(playOnePass(frames, dtMs));
        memory.back().afterKb = residentKb();
        std::printf("soak pass %d: %d frames of %u ms, resident %ld kB playing, %ld kB after shutdown\n", pass + 1,
                    frames, dtMs, memory.back().playingKb, memory.back().afterKb);
        std::fflush(stdout);
    }
    std::printf("soak: resident %ld kB before the first pass\n", startKb);
    ASSERT_GE(memory.size(), 3u);

    // From the second pass on nothing may accumulate.
    const long secondPlaying = memory[1].playingKb;
    const long secondAfter = memory[1].afterKb;
    for (size_t pass = 2; pass < memory.size(); ++pass) {
        EXPECT_LE(memory[pass].playingKb - secondPlaying, FLAT_TOLERANCE_KB) << "pass " << pass + 1;
        EXPECT_LE(memory[pass].afterKb - secondAfter, FLAT_TOLERANCE_KB) << "pass " << pass + 1;
    }
}

}  // namespace
