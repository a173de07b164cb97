// Scripts that authors get wrong, played over the whole generated data set: empty,
// garbage, one endless word, too many events, keywords without arguments, times
// out of order, tempo and pattern values that divide by zero or overrun, and
// events naming pictures and capture sizes that do not exist.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "script/DemoScript.h"
#include "tests/robustness/ShowCopy.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {

const char* const SONG_LINE = "init songfile data/song.ogg\n";

const char* const EVENT_KEYWORDS[] = {
    "palikat", "hohto",          "rgbhohto",    "wireframe",    "putki",        "kumma",         "elektro",
    "lorenz",  "scaled",         "titleImages", "showImage",    "hideImage",    "fadeSpeed",     "fadeIn",
    "fadeOut", "imageStill",     "imageZoom",   "imagePieces",  "nextPiece",    "previousPiece", "syncOnce",
    "sync",    "cameraDistance", "syncPattern", "bufferDetail", "randomCamera", "rotateSpeed",
};

struct ScriptRun {
    PlayerRun run;
    int frames = 0;
};

ScriptRun playScript(const std::string& script, int frames, int dtMs) {
    TempDir folder;
    copyDataSet(folder.path());
    std::ofstream(fs::path(folder.path()) / "data" / "script.txt", std::ios::binary | std::ios::trunc)
        << script;
    return {playShow(folder.path(), frames, dtMs), frames};
}

// Runs on: exit 0, one trace line per frame, nothing from the sanitizers.
void expectRunsOn(const ScriptRun& result) {
    EXPECT_EQ(result.run.exitCode, 0) << result.run.err;
    EXPECT_FALSE(hasSanitizerReport(result.run.err)) << result.run.err;
    EXPECT_EQ(result.run.lines.size(), static_cast<size_t>(result.frames)) << result.run.err;
}

size_t eventsTaken(const PlayerRun& run) {
    size_t total = 0;
    for (const TraceLine& line : run.lines) total += line.events().size();
    return total;
}

int jumps(const PlayerRun& run) {
    int count = 0;
    for (const TraceLine& line : run.lines) count += line["jump"] == "1" ? 1 : 0;
    return count;
}

int firstFrameWith(const PlayerRun& run, int kind) {
    for (size_t i = 0; i < run.lines.size(); ++i) {
        for (int k : run.lines[i].events()) {
            if (k == kind) return static_cast<int>(i);
        }
    }
    return -1;
}

// The script names no song then: the song message is the only report.
void expectSongReportedMissing(const ScriptRun& result) {
    EXPECT_NE(result.run.err.find("Couldn't load the song"), std::string::npos) << result.run.err;
}

std::string randomBytes(size_t count, unsigned seed) {
    std::mt19937 generate(seed);
    std::string bytes(count, '\0');
    for (char& byte : bytes) byte = static_cast<char>(generate() & 0xff);
    return bytes;
}

TEST(BadScript, EmptyRunsWithoutEventsAndReportsTheMissingSong) {
    const ScriptRun result = playScript("", 30, 100);
    expectRunsOn(result);
    EXPECT_EQ(eventsTaken(result.run), 0u);
    expectSongReportedMissing(result);
}

TEST(BadScript, BinaryGarbageRunsOn) {
    const ScriptRun result = playScript(randomBytes(256 * 1024, 11), 30, 100);
    expectRunsOn(result);
    expectSongReportedMissing(result);
}

TEST(BadScript, TenMegabytesOfOneWordRunsOn) {
    const ScriptRun result = playScript(std::string(10 * 1024 * 1024, 'w'), 10, 100);
    expectRunsOn(result);
    EXPECT_EQ(eventsTaken(result.run), 0u);
    expectSongReportedMissing(result);
}

TEST(BadScript, TenMegabytesOfOneDigitWordIsOneEventLineAtMost) {
    const ScriptRun result = playScript(std::string(SONG_LINE) + std::string(10 * 1024 * 1024, '7'), 10, 100);
    expectRunsOn(result);
    EXPECT_EQ(eventsTaken(result.run), 0u);
}

TEST(BadScript, FiveThousandEventsKeepTheFirstThousand) {
    std::string script = SONG_LINE;
    for (int i = 0; i < 5000; ++i) script += std::to_string(i / 100) + " " + EVENT_KEYWORDS[i % 10] + " on\n";
    const ScriptRun result = playScript(script, 40, 500);  // 20 s: beat 41 at 125 bpm
    expectRunsOn(result);
    EXPECT_EQ(eventsTaken(result.run), static_cast<size_t>(DemoScript::MAX_EVENTS));
}

TEST(BadScript, FiveThousandEventsDueAtOnceAreAllTakenInOneFrame) {
    std::string script = SONG_LINE;
    for (int i = 0; i < 5000; ++i) script += std::string("0 ") + EVENT_KEYWORDS[i % 27] + " 3\n";
    const ScriptRun result = playScript(script, 5, 100);
    expectRunsOn(result);
    ASSERT_FALSE(result.run.lines.empty());
    EXPECT_GT(result.run.lines[0].events().size(), 0u);
    EXPECT_LE(eventsTaken(result.run), static_cast<size_t>(DemoScript::MAX_EVENTS));
}

TEST(BadScript, EveryKeywordWithoutArgumentsRunsOn) {
    // A missing argument takes the next line's first word, as the reading is word by word.
    std::string lineByLine = SONG_LINE;
    for (const char* keyword : EVENT_KEYWORDS) lineByLine += std::string("0:1 ") + keyword + "\n";
    const ScriptRun result = playScript(lineByLine, 30, 100);
    expectRunsOn(result);
    EXPECT_GT(eventsTaken(result.run), 0u);

    // Each keyword alone at the very end of a file, and a time word with nothing after it.
    for (const char* keyword : EVENT_KEYWORDS) {
        const ScriptRun alone = playScript(std::string(SONG_LINE) + "0 sync on\n0 " + keyword, 8, 250);
        expectRunsOn(alone);
        EXPECT_EQ(eventsTaken(alone.run), 2u) << keyword;
    }
    expectRunsOn(playScript(std::string(SONG_LINE) + "0:1", 8, 250));
}

TEST(BadScript, HeaderWordsWithoutValuesKeepTheirDefaults) {
    for (const char* key : {"bpm", "patternLength", "patternSpeed", "songfile", "set"}) {
        const ScriptRun result = playScript(std::string(SONG_LINE) + "1:0 lorenz on\ninit " + key, 130, 16);
        expectRunsOn(result);
        EXPECT_EQ(firstFrameWith(result.run, 10), 119) << key;  // 1.92 s at the default tempo
    }
}

TEST(BadScript, TimesOutOfOrderAreTakenInFileOrder) {
    const ScriptRun result =
        playScript(std::string(SONG_LINE) + "0:4 palikat on\n0:1 lorenz on\n0:2 hohto on\n", 40, 100);
    expectRunsOn(result);
    const int frame = firstFrameWith(result.run, 1);
    ASSERT_GE(frame, 0);
    EXPECT_EQ(result.run.lines[frame].events(), (std::vector<int>{1, 10, 2}));
    EXPECT_EQ(result.run.lines[frame]["t"], "2.000000");  // 4 beats at 125 bpm: 1.92 s
}

TEST(BadScript, ZeroTempoAndPatternValuesNeverStopTheStepClock) {
    const std::string events = "0 sync on\n0 syncPattern %xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\n1:0 lorenz on\n";
    for (const char* header :
         {"init bpm 0\n", "init bpm -60\n", "init patternSpeed 0\n", "init patternSpeed -1\n",
          "init patternLength 0\n", "init patternLength 100\n", "init patternLength -5\n",
          "init bpm 99999999999\n", "init patternSpeed 2147483647\n"}) {
        const ScriptRun result = playScript(std::string(SONG_LINE) + header + events, 60, 100);
        expectRunsOn(result);
        EXPECT_GE(jumps(result.run), 50) << header;  // a step is due every frame or more often
        EXPECT_GE(firstFrameWith(result.run, 10), 0) << header;
    }
}

TEST(BadScript, PatternLengthOutsideTheThirtyTwoStepsCyclesInsideThem) {
    // Only step 30 on: with the cycle kept inside the 32 steps it comes round every 32 steps.
    const std::string events = "0 sync on\n0 syncPattern %..............................x\n";
    const ScriptRun result =
        playScript(std::string(SONG_LINE) + "init patternLength 100\n" + events, 200, 120);
    expectRunsOn(result);
    EXPECT_GE(jumps(result.run), 5);
}

TEST(BadScript, EventsNamingAbsentPicturesAndCaptureSizesAreHarmless) {
    std::string script = SONG_LINE;
    script += "0 hohto on\n0 rgbhohto on\n0 sync on\n0 syncPattern %xxxxxxxxxxxxxxxx\n0 titleImages on\n";
    for (const char* picture : {"99", "-1", "20", "18", "2147483647", "-2147483648", "1e30", "nan"}) {
        for (const char* keyword : {"showImage", "hideImage", "fadeIn", "fadeOut", "imageStill", "imageZoom",
                                    "imagePieces", "nextPiece", "previousPiece"}) {
            script += std::string("0:1 ") + keyword + " " + picture + "\n";
        }
    }
    for (const char* detail : {"9", "-1", "5", "2147483647", "-1e30", "nan"}) {
        script += std::string("0:2 bufferDetail ") + detail + "\n0:2 syncOnce\n";
    }
    script += "0:3 fadeSpeed 0\n0:3 fadeSpeed -0\n0:3 fadeSpeed 1e-45\n0:3 showImage 8\n0:3 fadeIn 8\n";
    script += "0:3 imagePieces 8\n0:3 nextPiece 8\n0:3 nextPiece 8\n0:3 previousPiece 8\n";
    const ScriptRun result = playScript(script, 40, 100);
    expectRunsOn(result);
    EXPECT_GE(jumps(result.run), 30);
    EXPECT_EQ(result.run.err, "");
}

}  // namespace
