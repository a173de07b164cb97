// Seeking as users run it: a run started anywhere prints the very trace lines of
// a run from the start, a captured range gives the very pictures of a whole
// capture, and a time that is not one is a usage error.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/Files.h"
#include "tests/support/PlayerRun.h"
#include "tests/support/TempDir.h"
#include "tests/support/TinyShow.h"

namespace fs = std::filesystem;

namespace {

const std::string SHOW = std::string(" --data '") + FLASHSTEP_BINARY_DIR + "'";
constexpr int DT_MS = 40;

std::vector<std::string> traceLinesOf(const std::string& out) {
    std::vector<std::string> lines;
    size_t from = 0;
    while (from < out.size()) {
        const size_t end = out.find('\n', from);
        const std::string line = out.substr(from, end - from);
        if (line.rfind("frame=", 0) == 0) lines.push_back(line);
        if (end == std::string::npos) break;
        from = end + 1;
    }
    return lines;
}

// The first frame at or after `from` that `matches`.
template <typename Match>
size_t firstFrame(const PlayerRun& run, size_t from, Match matches) {
    for (size_t k = from; k < run.lines.size(); ++k) {
        if (matches(run.lines[k])) return k;
    }
    return run.lines.size();
}

}  // namespace

TEST(Seek, AStartAnywhereGivesTheTraceOfARunFromTheStart) {
    TempDir dir;
    const PlayerRun whole = runPlayer(dir.path(), "--frames 700 --dt 40 --trace" + SHOW);
    ASSERT_EQ(whole.exitCode, 0) << whole.err;
    ASSERT_EQ(whole.lines.size(), 700u);
    const std::vector<std::string> wholeLines = traceLinesOf(whole.out);
    const size_t jump = firstFrame(whole, 20, [](const TraceLine& l) { return l["jump"] == "1"; });
    const size_t midFlash = firstFrame(
        whole, 20, [](const TraceLine& l) { return l.number("flash") > 0.05 && l.number("flash") < 0.95; });
    const size_t reveal = firstFrame(whole, 0, [](const TraceLine& l) { return l.number("t") > 24.0; });
    const size_t midFade = firstFrame(whole, 0, [](const TraceLine& l) { return l.number("t") > 1.0; });
    ASSERT_LT(jump + 1, 700u);
    ASSERT_LT(midFlash, 700u);
    struct Start {
        const char* what;
        size_t frame;
    };
    for (const Start& start : {Start{"the start", 0}, Start{"mid-flash", midFlash},
                               Start{"a sync step", jump}, Start{"after a sync action", jump + 1},
                               Start{"mid-fade", midFade}, Start{"a piece reveal", reveal}}) {
        SCOPED_TRACE(start.what);
        // Frame k of a 40 ms run reads (k + 1) * 40 ms: the time to ask for.
        const std::string time = std::to_string((start.frame + 1) * DT_MS) + "ms";
        const PlayerRun part =
            runPlayer(dir.path(), "--frames 4 --dt 40 --start " + time + " --trace" + SHOW);
        ASSERT_EQ(part.exitCode, 0) << part.err;
        const std::vector<std::string> partLines = traceLinesOf(part.out);
        ASSERT_EQ(partLines.size(), 4u);
        for (size_t i = 0; i < partLines.size(); ++i) EXPECT_EQ(partLines[i], wholeLines[start.frame + i]);
    }
}

TEST(Seek, AStartBeyondTheSongsEndGivesTheTraceOfARunFromTheStart) {
    TempDir dir;
    writeTinyShow(dir.path(), 1.0);  // a one-second song
    const PlayerRun whole = runPlayer(dir.path(), "--frames 60 --dt 50 --trace");
    ASSERT_EQ(whole.exitCode, 0) << whole.err;
    const PlayerRun part = runPlayer(dir.path(), "--frames 10 --dt 50 --start 2.5s --trace");
    ASSERT_EQ(part.exitCode, 0) << part.err;
    const std::vector<std::string> wholeLines = traceLinesOf(whole.out);
    const std::vector<std::string> partLines = traceLinesOf(part.out);
    ASSERT_EQ(partLines.size(), 10u);
    for (size_t i = 0; i < partLines.size(); ++i) EXPECT_EQ(partLines[i], wholeLines[49 + i]);
}

TEST(Seek, ACapturedRangeGivesTheFramesOfAWholeCaptureNamedByTheirNumber) {
    TempDir dir;
    const std::string whole = dir.file("whole");
    const std::string range = dir.file("range");
    fs::create_directories(whole);
    fs::create_directories(range);
    ASSERT_EQ(runPlayer(dir.path(), "--quiet --capture '" + whole + "/f%05d.png' --end 2s" + SHOW).exitCode,
              0);
    const PlayerRun part =
        runPlayer(dir.path(), "--quiet --capture '" + range + "/f%05d.png' --start 1.5s --end 2s" + SHOW);
    ASSERT_EQ(part.exitCode, 0) << part.err;
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(range)) names.push_back(entry.path().filename().string());
    ASSERT_EQ(names.size(), 30u);  // frames 90 to 119 of the 60 fps schedule
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(fs::exists(whole + "/" + name));
        EXPECT_TRUE(readFile(whole + "/" + name) == readFile(range + "/" + name));
    }
    EXPECT_TRUE(fs::exists(range + "/f00090.png"));
}

TEST(Seek, TimesThatAreNotTimesAreUsageErrors) {
    TempDir dir;
    const PlayerRun reference = runPlayer(dir.path(), "--frames -1" + SHOW);
    for (const char* arguments : {"--start 12abc", "--start -1", "--start 1:2:3", "--start 5m", "--start 0,5",
                                  "--capture x.mp4 --start 5s --end 4s", "--benchmark --end 0",
                                  "--edit --loop 8..4", "--edit --loop 4"}) {
        SCOPED_TRACE(arguments);
        const PlayerRun run = runPlayer(dir.path(), std::string(arguments) + SHOW);
        EXPECT_EQ(run.exitCode, reference.exitCode);
        EXPECT_NE(run.err.find("Run with --help"), std::string::npos) << run.err;
        EXPECT_TRUE(run.lines.empty());
    }
}
