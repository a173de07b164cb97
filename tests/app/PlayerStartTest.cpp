// The player started as a newcomer starts it: options it must refuse in plain
// words, --version, no display, a folder without the show's script, and a player
// installed under a prefix that finds its data set from wherever it is run, and a
// show of the author's own pictures that needs none of the usual files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "tests/support/BeatSong.h"
#include "tests/support/JpegWriter.h"
#include "tests/support/PlayerRun.h"
#include "tests/support/PngWriter.h"
#include "tests/support/Process.h"
#include "tests/support/TempDir.h"
#include "tests/support/TinyShow.h"

namespace fs = std::filesystem;

namespace {

// Lines of `text` that start with `prefix`.
int linesStartingWith(const std::string& text, const std::string& prefix) {
    int count = 0;
    for (size_t at = 0; at < text.size();) {
        if (text.compare(at, prefix.size(), prefix) == 0) ++count;
        const size_t end = text.find('\n', at);
        at = end == std::string::npos ? text.size() : end + 1;
    }
    return count;
}

// The player with no display at all: no DISPLAY, no WAYLAND_DISPLAY, no video
// driver chosen. `timeout` turns a show that never ends into a failure.
ProcessResult runWithoutDisplay(const TempDir& dir, const std::string& arguments) {
    return runCommand(
        "cd '" + dir.path() +
            "' && env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 60 '" FLASHSTEP_EXE "' " +
            arguments,
        dir.file("stderr.txt"));
}

constexpr const char* TWO_EVENT_SCRIPT =
    "init bpm 125\n"
    "0:0 cameraDistance 7\n"
    "0:0 rotateSpeed 0.5\n";

}  // namespace

TEST(CommandLine, OutOfRangeNumbersAreRefusedInOneReadableLine) {
    TempDir dir;
    for (const char* arguments : {"--frames -1", "--frames 0", "--frames many", "--frames 3 --dt 0",
                                  "--frames 3 --dt 60001", "--benchmark --fps 0"}) {
        SCOPED_TRACE(arguments);
        const PlayerRun run = runPlayer(dir.path(), arguments);
        EXPECT_NE(run.exitCode, 0);
        EXPECT_TRUE(run.lines.empty()) << "nothing was played";
        EXPECT_NE(run.err.find("expects a whole number"), std::string::npos) << run.err;
        EXPECT_FALSE(std::regex_search(run.err, std::regex("[0-9]{12}"))) << "no huge bound: " << run.err;
        EXPECT_EQ(linesStartingWith(run.err, "--"), 1) << run.err;
    }
}

TEST(CommandLine, NumbersAreDigitsOnlyAndTimesStayInsideTheShow) {
    TempDir dir;
    writeTinyShow(dir.path(), 1.0);
    const std::string frames = "--capture '" + dir.file("f%03d.png") + "' ";
    const std::string huge = "9223372036854775807ms";
    struct Refusal {
        std::string arguments;
        std::string option;
    };
    for (const Refusal& refusal : std::vector<Refusal>{
             {"--split 2 --fps 10 --start " + huge, "--start"},
             {"--split 2 --fps 10 --end " + huge, "--end"},
             {frames + "--start " + huge, "--start"},
             {frames + "--frames 2 --start " + huge, "--start"},
             {"--frames 1 --start 99999999999999999999", "--start"},
             {"--frames 1 --start 3000000000ms", "--start"},
             {"--split 2 --start 2s", "--start"},
             {"--split 2 --end 1500ms", "--end"},
             {"--frames 99999999999999999999", "--frames"},
             {"--split 1 --fps 0x10", "--fps"},
             {"--split 1 --fps ' 4'", "--fps"},
             {frames + "--crf 0x12", "--crf"}}) {
        SCOPED_TRACE(refusal.arguments);
        // A run that hangs is a failure here, not a test that never ends.
        const PlayerRun run = runPlayer(dir.path(), refusal.arguments, "timeout -s KILL 20");
        EXPECT_NE(run.exitCode, 0);
        EXPECT_NE(run.exitCode, 137) << "killed after 20 s";
        EXPECT_TRUE(run.out.empty()) << "nothing was played or split: " << run.out;
        EXPECT_EQ(linesStartingWith(run.err, refusal.option + ":"), 1) << run.err;
    }
    // A run that counts its own frames may start after the song, silent.
    const PlayerRun late = runPlayer(dir.path(), "--frames 2 --start 3s --trace");
    EXPECT_EQ(late.exitCode, 0) << late.err;
    ASSERT_EQ(late.lines.size(), 2u);
    EXPECT_GE(late.lines[0].number("t"), 3.0);
}

TEST(CommandLine, SigtermEndsALongReplayBeforeAnyFrame) {
    TempDir dir;
    writeTinyShow(dir.path(), 1.0);
    // An hour of one-millisecond frames to replay: seconds of work with nothing drawn. The
    // signal goes once the player blocks SIGTERM for its listener thread (bit 15 of SigBlk),
    // not after a guessed time: on a loaded machine it may still be starting then.
    const ProcessResult run = runCommand(
        "cd '" + dir.path() + "' && { '" FLASHSTEP_EXE "' --frames 1 --dt 1 --start 3599s --trace & pid=$!; "
        "for i in $(seq 1 400); do caught=$(awk '/^SigBlk/ {print $2}' /proc/$pid/status); "
        "[ $(( 0x${caught:-0} & 0x4000 )) -ne 0 ] && break; sleep 0.05; done; "
        "kill -TERM $pid; wait $pid; }",
        dir.file("stderr.txt"));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(linesStartingWith(run.out, "frame="), 0) << "stopped during the replay: " << run.out;
}

TEST(CommandLine, VersionPrintsTheProjectVersion) {
    TempDir dir;
    const PlayerRun run = runPlayer(dir.path(), "--version");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "flashstep " FLASHSTEP_VERSION "\n");
}

TEST(NoDisplay, AWindowRunSaysHowToMakeAVideoAndExits1) {
    TempDir dir;
    for (const char* screen : {"--windowed", "--fullscreen"}) {
        const ProcessResult run = runWithoutDisplay(dir, screen);
        EXPECT_EQ(run.exitCode, 1) << screen << ": " << run.err;
        EXPECT_EQ(linesStartingWith(run.err, "flashstep: no display"), 1) << run.err;
        EXPECT_NE(run.err.find("--capture"), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1)
            << "one message, nothing else: " << run.err;
    }
    // A display variable naming a server that does not exist: SDL falls back to
    // drawing into memory, which must not count as a display either.
    const ProcessResult named =
        runCommand("cd '" + dir.path() + "' && env -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER " +
                       "DISPLAY=:4093 timeout 60 '" FLASHSTEP_EXE "' --windowed",
                   dir.file("stderr.txt"));
    EXPECT_EQ(named.exitCode, 1) << named.err;
    EXPECT_EQ(linesStartingWith(named.err, "flashstep: no display"), 1) << named.err;
}

TEST(NoDisplay, RunsOnAVirtualClockNeedNone) {
    TempDir dir;
    dir.write("data/script.txt", TWO_EVENT_SCRIPT);
    const ProcessResult run = runWithoutDisplay(dir, "--frames 2 --trace");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(linesStartingWith(run.out, "frame="), 2) << run.out;
}

TEST(ShowFolder, AMissingScriptIsOneWarningNamingItsAbsolutePath) {
    TempDir dir;
    const std::string show = dir.file("show");
    fs::create_directories(show + "/data");
    struct Start {
        std::string folder;
        std::string arguments;
    };
    for (const Start& start :
         {Start{show, "--frames 2 --trace"}, Start{dir.path(), "--data '" + show + "' --frames 2 --trace"}}) {
        SCOPED_TRACE(start.arguments);
        const PlayerRun run = runPlayer(start.folder, start.arguments);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        ASSERT_EQ(run.lines.size(), 2u) << "the show runs on, without events";
        EXPECT_TRUE(run.lines[0].events().empty());
        const std::string warning = "flashstep: warning: no script at " + show + "/data/script.txt;";
        EXPECT_EQ(linesStartingWith(run.err, warning), 1) << run.err;
        EXPECT_EQ(linesStartingWith(run.err, "flashstep:"), 1) << run.err;
    }
}

TEST(ShowFolder, AnInstalledPlayerPlaysItsOwnDataSetFromAnEmptyFolder) {
    TempDir dir;
    // A prefix moved away from where it was installed: only the relative layout counts.
    const std::string prefix = dir.file("moved/prefix");
    fs::create_directories(prefix + "/bin");
    fs::copy_file(FLASHSTEP_EXE, prefix + "/bin/flashstep");
    dir.write("moved/prefix/share/flashstep/data/script.txt", TWO_EVENT_SCRIPT);
    fs::create_directories(dir.file("empty"));
    const ProcessResult installed =
        runCommand("cd '" + dir.file("empty") + "' && '" + prefix + "/bin/flashstep' --frames 1 --trace",
                   dir.file("stderr.txt"));
    EXPECT_EQ(installed.exitCode, 0) << installed.err;
    EXPECT_NE(installed.out.find("events=25,29 "), std::string::npos)
        << "the installed script: " << installed.out;
    EXPECT_EQ(installed.err.find("no script"), std::string::npos) << installed.err;
    // A data folder where the player is run still comes first.
    dir.write("here/data/script.txt", "init bpm 125\n0:0 cameraDistance 3\n");
    const ProcessResult local =
        runCommand("cd '" + dir.file("here") + "' && '" + prefix + "/bin/flashstep' --frames 1 --trace",
                   dir.file("stderr.txt"));
    EXPECT_NE(local.out.find("events=25 "), std::string::npos) << local.out;
}

TEST(ShowFolder, AScriptNamingThreePicturesOfItsOwnNeedsNoOtherPictureFile) {
    TempDir dir;
    const std::string show = dir.file("show");
    std::vector<uint8_t> rgba;
    for (int i = 0; i < 32 * 32; ++i)
        rgba.insert(rgba.end(), {250, 200, 0, static_cast<uint8_t>(i % 32 * 8)});
    dir.write("show/art/logo.png", rgbaPng(32, 32, rgba));
    dir.write("show/art/words.jpg", colourJpeg(64, 48, 20, 200, 90));
    dir.write("show/art/ball.jpg", colourJpeg(32, 32, 90, 90, 250));
    dir.write("show/data/script.txt",
              "init songfile data/song.wav\n"
              "init picture 6 art/logo.png\n"
              "init picture 8 art/words.jpg   # the credits\n"
              "init texture reflect art/ball.jpg\n"
              "0 hohto on\n0 palikat on\n0 showImage 6\n0 showImage 8\n4 hideImage 8\n8 end 0\n");
    writeBeatSong(show + "/data/song.wav", {120, 0.0, 5.0, false});
    const PlayerRun run = runPlayer(show, "--frames 120 --dt 16");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "") << "no word about the pictures the script never shows";
    const PlayerRun check = runPlayer(show, "--check");
    EXPECT_EQ(check.exitCode, 0) << check.out;
    EXPECT_NE(check.out.find("0 errors, 0 warnings"), std::string::npos) << check.out;

    // The named files are the ones read: without one, the player and the check say so.
    fs::remove(show + "/art/words.jpg");
    const PlayerRun without = runPlayer(show, "--frames 2 --dt 16");
    EXPECT_NE(without.err.find("art/words.jpg"), std::string::npos) << without.err;
    const PlayerRun checkWithout = runPlayer(show, "--check");
    EXPECT_NE(checkWithout.out.find("data/script.txt:3:16: error: `art/words.jpg` is not there"),
              std::string::npos)
        << checkWithout.out;
}
