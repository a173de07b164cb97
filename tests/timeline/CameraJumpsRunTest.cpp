// The timeline's camera jumps are where the player's own run jumps: over the whole
// generated show, the frames of the capture's schedule whose trace line says jump=1.
// The run is the player's, every frame updated and its draws decided, none drawn.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "demo/Trace.h"
#include "player/Player.h"
#include "player/ShowLength.h"
#include "tests/support/GlContext.h"
#include "tests/support/TestShell.h"
#include "timeline/TimelineBuild.h"

namespace {

std::string traceLine(int64_t frame) {
    char* text = nullptr;
    size_t size = 0;
    FILE* out = open_memstream(&text, &size);
    writeTraceLine(out, frame);
    std::fclose(out);
    std::string line = text;
    std::free(text);
    return line;
}

}  // namespace

TEST(CameraJumpsOfTheShow, AreTheFramesWhoseTraceLineSaysJumpOne) {
    GlContext context;
    ASSERT_TRUE(context.ok());
    ASSERT_EQ(chdir(FLASHSTEP_DATA_PARENT), 0);
    const ShowSong song = readShowSong();
    ASSERT_GT(song.seconds, 100.0) << song.problem;
    const Timeline timeline = timelineOfScriptFile(DemoScript::SCRIPT_FILE, song.seconds);

    RunPlan plan;
    plan.clock = FrameClock::Schedule;  // the capture's schedule, which the timeline's jumps follow
    ASSERT_TRUE(settleFrameCount(plan, song));
    KeyState keys;
    GLWindow window;
    window.keys = &keys;
    TestShell shell;
    Player player(plan);
    ASSERT_TRUE(player.open(window, keys, shell));
    std::vector<int64_t> traced;
    for (int64_t frame = 0; frame < plan.frames; ++frame) {
        player.frame(0, false);
        if (traceLine(frame).find(" jump=1 ") != std::string::npos) traced.push_back(frame);
    }
    player.close();
    resetGlState();

    std::vector<int64_t> drawn;
    for (const CameraJump& jump : timeline.jumps) drawn.push_back(jump.frame);
    EXPECT_GT(traced.size(), 100u);
    EXPECT_EQ(drawn, traced);
}
