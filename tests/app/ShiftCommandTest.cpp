// `--shift` on the generated show, as a user runs it: only time words change, the show then
// plays every shifted event at its old time plus the shift (within a frame) and everything
// before the shift exactly as before; a dry run prints the diff and writes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/Files.h"
#include "tests/support/PlayerRun.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {

constexpr int FRAMES = 1450;  // 23.2 s of song: the 8:0, 11:0 and 12:0 groups of events
constexpr int DT_MS = 16;
constexpr int PATTERN_FRAMES = 1920 / DT_MS;

struct ShowCopy {
    TempDir dir;
    ShowCopy() { fs::copy(FLASHSTEP_DATA_DIR, fs::path(dir.path()) / "data", fs::copy_options::recursive); }
    std::string script() const { return readFile(dir.file("data/script.txt")); }
    PlayerRun run(const std::string& arguments) const { return runPlayer(dir.path(), arguments); }
    PlayerRun play(int frames) const {
        return run("--frames " + std::to_string(frames) + " --dt " + std::to_string(DT_MS) + " --trace");
    }
};

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// `line` without its first word.
std::string afterFirstWord(const std::string& line) {
    return line.substr(std::min(line.size(), line.find(' ')));
}

struct FrameEvent {
    int frame = 0;
    int kind = 0;
};

std::vector<FrameEvent> eventsFrom(const PlayerRun& run, int firstFrame) {
    std::vector<FrameEvent> events;
    for (std::size_t frame = static_cast<std::size_t>(firstFrame); frame < run.lines.size(); ++frame) {
        for (const int kind : run.lines[frame].events()) events.push_back({static_cast<int>(frame), kind});
    }
    return events;
}

// The shifted run's trace lines before `untilFrame` are the original's, and every event of the
// original from `fromFrame` on comes `shiftFrames` later (within a frame) while the run lasts.
void expectShiftedTrace(const PlayerRun& original, const PlayerRun& shifted, int fromFrame, int shiftFrames) {
    const int untilFrame = std::min(fromFrame, fromFrame + shiftFrames);
    const std::vector<std::string> before = linesOf(original.out);
    const std::vector<std::string> after = linesOf(shifted.out);
    ASSERT_EQ(after.size(), static_cast<std::size_t>(FRAMES));
    for (int frame = 0; frame < untilFrame; ++frame) ASSERT_EQ(after[frame], before[frame]) << "frame " << frame;
    const std::vector<FrameEvent> was = eventsFrom(original, fromFrame);
    const std::vector<FrameEvent> now = eventsFrom(shifted, untilFrame);
    std::set<int> framesCompared;
    for (std::size_t i = 0; i < was.size() && was[i].frame + shiftFrames + 1 < FRAMES; ++i) {
        ASSERT_LT(i, now.size());
        EXPECT_EQ(now[i].kind, was[i].kind) << "event " << i;
        EXPECT_NEAR(now[i].frame, was[i].frame + shiftFrames, 1) << "event " << i << " of kind " << was[i].kind;
        framesCompared.insert(was[i].frame);
    }
    EXPECT_GE(framesCompared.size(), 2u) << "the runs cover more than one group of shifted events";
}

TEST(ShiftCommand, OnlyTimeWordsChangeAndEveryShiftedEventPlaysThatMuchLater) {
    const ShowCopy original;
    const PlayerRun played = original.play(FRAMES);
    ASSERT_EQ(played.exitCode, 0) << played.err;

    const ShowCopy later;
    const PlayerRun dryRun = later.run("--shift 8:0 1:0 --dry-run");
    ASSERT_EQ(dryRun.exitCode, 0) << dryRun.err;
    EXPECT_EQ(later.script(), original.script()) << "a dry run writes nothing";
    EXPECT_EQ(dryRun.out.rfind("--- a/data/script.txt\n+++ b/data/script.txt\n", 0), 0u) << dryRun.out;
    EXPECT_NE(dryRun.out.find("\n-8:0 palikat on\n"), std::string::npos) << dryRun.out;
    EXPECT_NE(dryRun.out.find("\n+9:0 palikat on\n"), std::string::npos) << dryRun.out;

    const PlayerRun shift = later.run("--shift 8:0 1:0");
    ASSERT_EQ(shift.exitCode, 0) << shift.err;
    const std::vector<std::string> was = linesOf(original.script());
    const std::vector<std::string> now = linesOf(later.script());
    ASSERT_EQ(now.size(), was.size());
    int changed = 0;
    for (std::size_t i = 0; i < was.size(); ++i) {
        if (now[i] == was[i]) continue;
        ++changed;
        EXPECT_EQ(afterFirstWord(now[i]), afterFirstWord(was[i])) << "line " << i + 1;
    }
    EXPECT_GT(changed, 100);
    expectShiftedTrace(played, later.play(FRAMES), 15360 / DT_MS - 1, PATTERN_FRAMES);

    const ShowCopy earlier;
    const PlayerRun crossing = earlier.run("--shift 16:0 -0:2");
    EXPECT_EQ(crossing.exitCode, 1);
    EXPECT_NE(crossing.err.find("past line 59 at 15:3.875"), std::string::npos) << crossing.err;
    EXPECT_EQ(earlier.script(), original.script());
    ASSERT_EQ(earlier.run("--shift 11:0 -1:0").exitCode, 0);
    expectShiftedTrace(played, earlier.play(FRAMES), 21120 / DT_MS - 1, -PATTERN_FRAMES);
}

}  // namespace
