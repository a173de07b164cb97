// Broken data files under the whole generated show: missing, empty, truncated,
// foreign and four-component pictures, odd masks, bad songs and piece files.
// None of them may change the show: the trace must equal the intact show's.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <vector>

#include "tests/robustness/ShowCopy.h"
#include "tests/support/Files.h"
#include "tests/support/JpegWriter.h"
#include "tests/support/PlayerRun.h"
#include "tests/support/ShowFiles.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {

const auto& PICTURES = SHOW_PICTURES;

std::string randomBytes(size_t count, unsigned seed) {
    std::mt19937 generate(seed);
    std::string bytes(count, '\0');
    for (char& byte : bytes) byte = static_cast<char>(generate() & 0xff);
    return bytes;
}

std::string grayPattern(int width, int height) {
    std::vector<uint8_t> samples(static_cast<size_t>(width) * height);
    for (size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<uint8_t>(i * 7);
    return encodeJpeg(width, height, 1, samples);
}

std::string cmykPicture(int width, int height) {
    return encodeJpeg(width, height, 4, std::vector<uint8_t>(static_cast<size_t>(width) * height * 4, 90));
}

// A MIDI file: a real format, but not one the song reader takes.
std::string midiFile() {
    const char header[] = "MThd\0\0\0\6\0\0\0\1\0\x60MTrk\0\0\0\4\0\xff\x2f\0";
    return std::string(header, sizeof header - 1);
}

void replaceSongLine(const fs::path& data, const std::string& songName) {
    std::string script = readFile(data / "script.txt");
    const std::string line = "init songfile data/song.ogg";
    const size_t at = script.find(line);
    ASSERT_NE(at, std::string::npos);
    script.replace(at, line.size(), "init songfile data/" + songName);
    writeFile(data / "script.txt", script);
}

struct BreakCase {
    const char* name = "";
    std::function<void(const fs::path& data)> breakData;
    std::vector<std::string> expectedMessages;
    bool silent = false;  // the program reports nothing for this case
};

const std::vector<BreakCase>& cases() {
    static const std::vector<BreakCase> table = {
        {"ZeroBytePicture", [](const fs::path& d) { writeFile(d / "musta.jpg", ""); }, {"Empty input file"}},
        {"TruncatedPicture",
         [](const fs::path& d) {
             const std::string whole = readFile(d / "noise.jpg");
             writeFile(d / "noise.jpg", whole.substr(0, whole.size() / 3));
         },
         {"Premature end of JPEG file"}},
        {"TextInsteadOfPicture",
         [](const fs::path& d) { writeFile(d / "elektro1.jpg", "hello, this is no picture\n"); },
         {"Not a JPEG file: starts with 0x68 0x65"}},
        {"GarbagePicture",
         [](const fs::path& d) { writeFile(d / "title3.jpg", randomBytes(5000, 3)); },
         {"Not a JPEG file: starts with 0x"}},
        {"FourComponentPicture",
         [](const fs::path& d) { writeFile(d / "title1.jpg", cmykPicture(64, 48)); },
         {},
         true},
        {"FourComponentMask",
         [](const fs::path& d) { writeFile(d / "tekstit-alpha.jpg", cmykPicture(640, 480)); },
         {},
         true},
        {"MaskSmallerThanPicture",
         [](const fs::path& d) { writeFile(d / "tekstit-alpha.jpg", grayPattern(37, 23)); },
         {},
         true},
        {"MaskLargerThanPicture",
         [](const fs::path& d) { writeFile(d / "tekstit-alpha.jpg", grayPattern(1301, 977)); },
         {},
         true},
        {"MaskOnePixel",
         [](const fs::path& d) { writeFile(d / "tekstit-alpha.jpg", grayPattern(1, 1)); },
         {},
         true},
        {"SongMissing", [](const fs::path& d) { fs::remove(d / "song.ogg"); }, {"Couldn't load the song"}},
        {"SongEmpty", [](const fs::path& d) { writeFile(d / "song.ogg", ""); }, {"Couldn't load the song"}},
        {"SongGarbage",
         [](const fs::path& d) { writeFile(d / "song.ogg", randomBytes(65536, 7)); },
         {"Couldn't load the song"}},
        {"SongTruncated",
         [](const fs::path& d) {
             const std::string whole = readFile(d / "song.ogg");
             writeFile(d / "song.ogg", whole.substr(0, whole.size() / 2));
         },
         {},
         true},
        {"SongInUnsupportedFormat",
         [](const fs::path& d) {
             writeFile(d / "song.mid", midiFile());
             replaceSongLine(d, "song.mid");
         },
         {"Couldn't load the song"}},
        {"CoordinatesMissing", [](const fs::path& d) { fs::remove(d / "coords.txt"); }, {}, true},
        {"CoordinatesWithNegativeIndices",
         [](const fs::path& d) {
             writeFile(d / "coords.txt",
                       "new -1\n0 0 640 480\nend\nnew -2147483648\n1 2 3 4\nend\nnew -99999999999999\n5 5 9 "
                       "9\nend\n"
                       "new 8\n-640 -480 -1 -1\nend\n");
         },
         {},
         true},
        {"CoordinatesWithHugeIndices",
         [](const fs::path& d) {
             writeFile(d / "coords.txt",
                       "new 20\n0 0 640 480\nend\nnew 99\n1 2 3 4\nend\nnew 2147483647\n1 1 2 2\nend\n"
                       "new 99999999999999999999\n0 0 1 1\nend\nnew 9\n99999999999 0 2147483647 480\nend\n");
         },
         {},
         true},
        {"CoordinatesWithFiftyPieces",
         [](const fs::path& d) {
             std::string text = "new 8\n";
             for (int k = 0; k < 50; ++k) {
                 text += std::to_string(k) + " " + std::to_string(k * 9) + " " + std::to_string(k + 100) +
                         " " + std::to_string(k * 9 + 8) + "\n";
             }
             writeFile(d / "coords.txt", text + "end\nnew 9\n1 2 3\n");
         },
         {},
         true},
    };
    return table;
}

void expectSameShow(const PlayerRun& run, const std::string& data) {
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_FALSE(hasSanitizerReport(run.err)) << run.err;
    ASSERT_EQ(run.lines.size(), static_cast<size_t>(WHOLE_SHOW_FRAMES)) << run.err;
    const std::string& intact = intactWholeShowTrace();
    ASSERT_FALSE(intact.empty()) << "the intact show did not run";
    EXPECT_EQ(run.out, intact) << "broken " << data << " changed the show";
}

class BrokenDataFile : public testing::TestWithParam<size_t> {};

TEST_P(BrokenDataFile, IsReportedAndTheShowRunsOnUnchanged) {
    const BreakCase& breakCase = cases()[GetParam()];
    TempDir folder;
    copyDataSet(folder.path());
    breakCase.breakData(fs::path(folder.path()) / "data");
    const PlayerRun run = playShow(folder.path(), WHOLE_SHOW_FRAMES, WHOLE_SHOW_DT_MS);
    expectSameShow(run, breakCase.name);
    for (const std::string& message : breakCase.expectedMessages) {
        EXPECT_NE(run.err.find(message), std::string::npos) << "no \"" << message << "\" in:\n" << run.err;
    }
    if (breakCase.silent) {
        EXPECT_EQ(run.err, "");
    }
}

INSTANTIATE_TEST_SUITE_P(Matrix, BrokenDataFile, testing::Range(size_t{0}, cases().size()),
                         [](const testing::TestParamInfo<size_t>& info) { return cases()[info.param].name; });

// Two runs cover every picture: all of them missing but the mask, which is read only
// once its picture has been, then the mask alone.
TEST(MissingPictures, AreEachReportedByNameAndTheShowRunsOnUnchanged) {
    const std::string mask = "tekstit-alpha.jpg";
    std::vector<std::string> allButTheMask;
    for (const char* picture : PICTURES) {
        if (picture != mask) allButTheMask.push_back(picture);
    }
    ASSERT_EQ(allButTheMask.size() + 1, std::size(PICTURES));
    for (const std::vector<std::string>& missing : {allButTheMask, std::vector<std::string>{mask}}) {
        SCOPED_TRACE(missing.size() == 1 ? "the mask missing" : "every picture but the mask missing");
        TempDir folder;
        copyDataSet(folder.path());
        for (const std::string& picture : missing)
            ASSERT_TRUE(fs::remove(fs::path(folder.path()) / "data" / picture));
        const PlayerRun run = playShow(folder.path(), WHOLE_SHOW_FRAMES, WHOLE_SHOW_DT_MS);
        expectSameShow(run, "pictures");
        for (const std::string& picture : missing) {
            const std::string message = "error open JPEG file \"data/" + picture + "\"";
            EXPECT_NE(run.err.find(message), std::string::npos) << message << " not in:\n" << run.err;
        }
    }
}

TEST(NoDataFolder, TheSongIsReportedAndTheEmptyShowRunsItsFramesAskingForNoPicture) {
    TempDir folder;
    const PlayerRun run = playShow(folder.path(), 40, 100);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_FALSE(hasSanitizerReport(run.err)) << run.err;
    ASSERT_EQ(run.lines.size(), 40u);
    for (const TraceLine& line : run.lines) EXPECT_TRUE(line.events().empty());
    EXPECT_EQ(run.lines.back()["t"], "4.000000");
    // Without a script nothing is shown, so no picture is asked for and none is missed.
    EXPECT_EQ(run.err.find("error open JPEG file"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Couldn't load the song"), std::string::npos) << run.err;
}

// A FIFO under a file's name would hold any open until a writer came: it is a
// finding of the check, and the show runs on without it.
TEST(FifoInData, IsAFindingAndNothingWaitsForAWriter) {
    TempDir folder;
    copyDataSet(folder.path());
    for (const char* name : {"data/title1.jpg", "data/song.ogg", "data/coords.txt", "data/script.txt"}) {
        SCOPED_TRACE(name);
        const std::string path = folder.file(name);
        std::filesystem::rename(path, path + ".kept");
        ASSERT_EQ(mkfifo(path.c_str(), 0644), 0);
        const PlayerRun check = runPlayer(folder.path(), "--check", "timeout -s KILL 30");
        EXPECT_NE(check.exitCode, 137) << "killed after 30 s: " << check.err;
        EXPECT_NE(check.out.find(name), std::string::npos) << "a finding names it: " << check.out;
        const PlayerRun show = runPlayer(folder.path(), "--frames 3 --dt 100 --trace", "timeout -s KILL 30");
        EXPECT_EQ(show.exitCode, 0) << show.err;
        EXPECT_EQ(show.lines.size(), 3u);
        std::filesystem::remove(path);
        std::filesystem::rename(path + ".kept", path);
    }
}

}  // namespace
