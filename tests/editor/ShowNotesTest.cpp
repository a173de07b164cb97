// What the overlay reads of a show: the latest event at a time (the script panel's
// centre and its lit lines), the time of a line (a click on it), the script's lines
// as written, and the song's waveform kept across a reload that names the same song.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "editor/ShowNotes.h"
#include "tests/support/TempDir.h"
#include "tests/support/TinyShow.h"

namespace {

// 125 bpm, 4 beats a pattern: a pattern is 1.92 s, a beat 0.48 s.
const char* const SCRIPT =
    "init bpm 125\n"
    "init patternLength 16\n"
    "init patternSpeed 4\n"
    "init songfile data/song.wav\n"
    "# the opening\n"
    "0:0 palikat on\n"
    "1:0 lorenz on\n"
    "1:0 hohto on\n"
    "1:2 kumma on\n";

class ShowNotesOfAFolder : public testing::Test {
protected:
    void SetUp() override {
        writeTinyShow(dir.path(), 5.0);
        dir.write("data/script.txt", SCRIPT);
        ASSERT_EQ(chdir(dir.path().c_str()), 0);
    }
    void TearDown() override { std::filesystem::current_path(std::filesystem::temp_directory_path()); }
    TempDir dir;
};

TEST_F(ShowNotesOfAFolder, TellTheLatestEventAndTheTimeOfEachLine) {
    const ShowNotes notes = readShowNotes("data/script.txt", {});
    ASSERT_EQ(notes.timeline.events.size(), 4u);
    ASSERT_EQ(notes.scriptLines.size(), 9u);
    EXPECT_EQ(notes.scriptLines[4], "# the opening");
    EXPECT_EQ(notes.latestEventAt(-0.01), -1);
    EXPECT_EQ(notes.latestEventAt(0.0), 0);
    EXPECT_EQ(notes.latestEventAt(1.919), 0);
    EXPECT_EQ(notes.latestEventAt(1.92), 2);  // both events at 1:0
    EXPECT_EQ(notes.latestEventAt(2.88), 3);
    EXPECT_DOUBLE_EQ(notes.secondsOfLine(7), 1.92);
    EXPECT_DOUBLE_EQ(notes.secondsOfLine(9), 2.88);
    EXPECT_LT(notes.secondsOfLine(5), 0.0);  // a comment
    EXPECT_NEAR(notes.waveform.seconds, 5.0, 1e-3);
    EXPECT_NEAR(notes.timeline.songSeconds, 5.0, 1e-3);
}

TEST_F(ShowNotesOfAFolder, AReloadNamingTheSameSongKeepsItsWaveformAndAnotherSongIsRead) {
    const ShowNotes first = readShowNotes("data/script.txt", {});
    ShowNotes known = first;
    known.waveform.seconds = 99.0;  // told apart from a fresh reading
    EXPECT_DOUBLE_EQ(readShowNotes("data/script.txt", {}, &known).waveform.seconds, 99.0);
    known.timeline.songFile = "data/other.wav";
    EXPECT_NEAR(readShowNotes("data/script.txt", {}, &known).waveform.seconds, 5.0, 1e-3);
}

}  // namespace
