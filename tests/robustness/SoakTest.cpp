// Soak: the whole generated show played pass after pass in one process, with the
// resident memory sampled after each pass. Replays within one start-up catch growth
// per frame or per event (display lists, textures, quadrics); restarts as the mode
// toggle makes them (fresh GL context, demoInit, demoShutdown) catch growth per start.
// CI replays 10 passes at 1000 ms frames; FLASHSTEP_SOAK_PASSES and FLASHSTEP_SOAK_DT_MS
// give a longer or finer soak by hand (10 passes at 16 ms take about half an hour).
#include <gtest/gtest.h>
#include <malloc.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "demo/DemoState.h"
#include "demo/MusicStream.h"
#include "player/Player.h"
#include "sound/SongReader.h"
#include "tests/support/GlContext.h"
#include "tests/support/TestShell.h"

namespace {

constexpr int DEFAULT_PASSES = 10;
constexpr uint32_t DEFAULT_DT_MS = 1000;
// Replays share one context: one leaked picture texture per pass exceeds this.
constexpr long REPLAY_TOLERANCE_KB = 1024;
// Mesa 22's llvmpipe keeps some kilobytes of heap each time a display list holding
// GLU quadrics with normals and texture coordinates is compiled, even over the same
// list name (a plain GL program shows it too). Every sync action compiles the two
// bead lists, about 18 kB here, so each is allowed that much; a leak per frame is not.
constexpr long DRIVER_KB_PER_SYNC_ACTION = 25;
// Each restart also builds and tears down a Mesa context, which keeps a little
// allocator memory every time; a leaked set of textures is some 20 MB per start.
constexpr long RESTART_TOLERANCE_KB_PER_PASS = 512;
constexpr int RESTART_PASSES = 8;
constexpr int RESTART_FRAMES = 20;

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

class Soak : public testing::Test {
protected:
    void SetUp() override {
        // One malloc arena for every thread: llvmpipe's threads, made anew with each
        // context, otherwise get arenas of their own or share old ones as their timing
        // falls, and resident memory then jumps by megabytes from pass to pass (seen on
        // a loaded machine) with nothing leaked.
        mallopt(M_ARENA_MAX, 1);
        ASSERT_EQ(chdir(FLASHSTEP_DATA_PARENT), 0);
        passes = settingFromEnvironment("FLASHSTEP_SOAK_PASSES", DEFAULT_PASSES);
        dtMs = static_cast<uint32_t>(settingFromEnvironment("FLASHSTEP_SOAK_DT_MS", DEFAULT_DT_MS));
        const double songSeconds = decodedSongSeconds("data/song.ogg");
        ASSERT_GT(songSeconds, 60.0);
        framesPerPass = static_cast<int>(std::ceil(songSeconds * 1000.0 / dtMs)) + 2;
        plan.clock = FrameClock::FixedStep;  // the virtual clock, no sound device
        plan.dtMs = dtMs;
    }

    // Plays frames; returns the number of sync actions they ran.
    static long playFrames(Player& player, int frames) {
        long syncActions = 0;
        for (int frame = 0; frame < frames; ++frame) {
            player.frame(0);
            syncActions += syncActionsOfLastFrame();
        }
        glFinish();
        return syncActions;
    }

    static long syncActionsOfLastFrame() {
        const FrameReport& report = demo::driver.lastFrame;
        long count = report.jumped ? 1 : 0;
        for (int32_t i = 0; i < report.eventCount; ++i) count += report.events[i] == EVENT_SYNC_ONCE ? 1 : 0;
        return count;
    }

    int passes = DEFAULT_PASSES;
    uint32_t dtMs = DEFAULT_DT_MS;
    int framesPerPass = 0;
    RunPlan plan;
    KeyState keys;
    GLWindow window;
    TestShell shell;
};

// The script and the song from their start again, the scene and its textures kept.
void rewindShow(Player& player, ShellServices& shell) {
    demo::script = std::make_unique<DemoScript>("data/script.txt");
    demo::music->close();
    demo::music =
        std::make_unique<MusicStream>(demo::script->songfile, MusicSetup{player.songClock(), &shell});
    demo::music->play();
    demo::driver.nextStepTime = 0.0f;
}

TEST_F(Soak, ReplayingTheWholeShowKeepsResidentMemoryFlat) {
    GlContext context;
    ASSERT_TRUE(context.ok());
    window.keys = &keys;
    Player player(plan);
    player.open(window, keys, shell);
    long firstPassKb = 0;
    long syncActionsSinceFirst = 0;
    for (int pass = 0; pass < passes; ++pass) {
        if (pass > 0) rewindShow(player, shell);
        const long syncActions = playFrames(player, framesPerPass);
        // Free memory the allocator keeps in its arenas is not growth; give it back first.
        malloc_trim(0);
        const long resident = residentKb();
        std::printf("soak replay %d: %d frames of %u ms, %ld sync actions, resident %ld kB\n", pass + 1,
                    framesPerPass, dtMs, syncActions, resident);
        std::fflush(stdout);
        if (pass == 0) {
            firstPassKb = resident;
            continue;
        }
        syncActionsSinceFirst += syncActions;
        const long allowed = REPLAY_TOLERANCE_KB + DRIVER_KB_PER_SYNC_ACTION * syncActionsSinceFirst;
        EXPECT_LE(resident - firstPassKb, allowed) << "pass " << pass + 1;
    }
}

TEST_F(Soak, RestartingTheShowKeepsResidentMemoryFlat) {
    std::vector<long> residentAfterPass;
    for (int pass = 0; pass < RESTART_PASSES; ++pass) {
        {
            GlContext context;
            ASSERT_TRUE(context.ok());
            window.keys = &keys;
            demo::driver.nextStepTime = 0.0f;  // a restart keeps the step clock; start each pass with jumps
            Player player(plan);
            player.open(window, keys, shell);
            playFrames(player, RESTART_FRAMES);
        }
        // Free memory the allocator keeps from the torn-down context is not growth.
        malloc_trim(0);
        residentAfterPass.push_back(residentKb());
        std::printf("soak restart %d: %d frames of %u ms, resident %ld kB\n", pass + 1, RESTART_FRAMES, dtMs,
                    residentAfterPass.back());
        std::fflush(stdout);
    }
    const long growth = residentAfterPass.back() - residentAfterPass[1];
    EXPECT_LE(growth, RESTART_TOLERANCE_KB_PER_PASS * (RESTART_PASSES - 2));
}

// GL objects of each kind that exist now, by trying every name up to `limit`.
int countNames(GLboolean (*exists)(GLuint), GLuint limit) {
    int count = 0;
    for (GLuint name = 1; name <= limit; ++name) count += exists(name) == GL_TRUE ? 1 : 0;
    return count;
}

TEST_F(Soak, ReloadingTheShowTwoHundredTimesKeepsMemoryAndGlObjectsFlat) {
    constexpr int RELOADS = 200;
    constexpr long RELOAD_TOLERANCE_KB = 2048;
    GlContext context;
    ASSERT_TRUE(context.ok());
    window.keys = &keys;
    plan.keepCheckpoints = true;
    Player player(plan);
    player.open(window, keys, shell);
    playFrames(player, 12);  // some seconds in: every reload replays the frames so far
    ShowChanges changes;
    changes.script = true;
    changes.coords = true;  // new pieces: replays from the start
    changes.pictures = {"data/title1.jpg", "data/tekstit-alpha.jpg"};
    long firstKb = 0;
    int textures = 0;
    int lists = 0;
    for (int reload = 0; reload < RELOADS; ++reload) {
        player.reload(changes);
        player.frame(0);
        glFinish();
        if (reload == 0) {
            malloc_trim(0);
            firstKb = residentKb();
            textures = countNames(glIsTexture, 1000);
            lists = countNames(glIsList, 20000);
        }
    }
    malloc_trim(0);
    std::printf("soak reloads: %d, resident %ld kB after the first, %ld kB after the last\n", RELOADS,
                firstKb, residentKb());
    EXPECT_LE(residentKb() - firstKb, RELOAD_TOLERANCE_KB);
    EXPECT_EQ(countNames(glIsTexture, 1000), textures);
    EXPECT_EQ(countNames(glIsList, 20000), lists);
    EXPECT_GT(textures, 20);
    EXPECT_EQ(lists, 2);
}

}  // namespace
