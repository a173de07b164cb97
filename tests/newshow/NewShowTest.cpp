// flashstep --new as a newcomer runs it: a fresh folder becomes a show that checks
// clean, plays and draws its timeline; every keyword and every picture is there;
// an author's song comes in with its tempo and first beat; and folders that hold
// anything, or a song that cannot be read, are refused with nothing touched.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "newshow/ShowPictureFiles.h"
#include "script/DemoScript.h"
#include "tests/support/BeatSong.h"
#include "tests/support/Files.h"
#include "tests/support/PlayerRun.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {

// Every entry under the folder, as paths relative to it.
std::set<std::string> entriesOf(const fs::path& folder) {
    std::set<std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        entries.insert(fs::relative(entry.path(), folder).string());
    return entries;
}

// The script's event and header lines that carry no note.
std::vector<std::string> linesWithoutANote(const std::string& script) {
    std::vector<std::string> bare;
    std::istringstream lines(script);
    for (std::string line; std::getline(lines, line);) {
        const bool statement = !line.empty() && (std::isdigit(static_cast<unsigned char>(line[0])) ||
                                                 line.rfind("init ", 0) == 0);
        const bool end = line.find(" end ") != std::string::npos;
        if (statement && !end && line.find(" # ") == std::string::npos) bare.push_back(line);
    }
    return bare;
}

// The value of a header line, "" when there is none.
std::string headerValue(const std::string& script, const std::string& key) {
    const std::string start = "init " + key + " ";
    const size_t at = script.find(start);
    if (at == std::string::npos) return "";
    const size_t from = at + start.size();
    return script.substr(from, script.find_first_of(" \n", from) - from);
}

// For each frame whose trace line says jump=1 before `untilSeconds`, how many frames it lies
// from the first frame at or after the nearest of the beats `firstBeat + k * beat`.
std::vector<long> jumpFramesFromTheirBeats(const std::vector<TraceLine>& lines, double firstBeat, double beat,
                                           double untilSeconds) {
    std::vector<long> misses;
    for (std::size_t frame = 0; frame < lines.size(); ++frame) {
        const double t = lines[frame].number("t");
        if (t >= untilSeconds || lines[frame]["jump"] != "1") continue;
        const double nearestBeat = firstBeat + std::round((t - firstBeat) / beat) * beat;
        std::size_t beatFrame = 0;
        while (beatFrame < lines.size() && lines[beatFrame].number("t") < nearestBeat) ++beatFrame;
        misses.push_back(static_cast<long>(frame) - static_cast<long>(beatFrame));
    }
    return misses;
}

}  // namespace

TEST(NewShow, AFreshFolderBecomesAShowThatChecksCleanPlaysAndDraws) {
    TempDir dir;
    const std::string show = dir.file("my show");
    const PlayerRun made = runPlayer(dir.path(), "--new 'my show'");
    ASSERT_EQ(made.exitCode, 0) << made.err;
    EXPECT_NE(made.out.find("--edit"), std::string::npos) << made.out;

    const PlayerRun check = runPlayer(show, "--check");
    EXPECT_EQ(check.exitCode, 0) << check.out;
    EXPECT_NE(check.out.find("0 errors, 0 warnings"), std::string::npos) << check.out;
    const PlayerRun play = runPlayer(show, "--frames 300 --dt 16 --trace");
    EXPECT_EQ(play.exitCode, 0) << play.err;
    EXPECT_EQ(play.lines.size(), 300u);
    const PlayerRun timeline = runPlayer(show, "--timeline x.png");
    EXPECT_EQ(timeline.exitCode, 0) << timeline.err;
    EXPECT_GT(fs::file_size(fs::path(show) / "x.png"), 10000u);

    const std::set<std::string> files = entriesOf(show);
    for (const char* file : {"README.txt", "data/script.txt", "data/coords.txt", "data/song.ogg"})
        EXPECT_EQ(files.count(file), 1u) << file;
    for (const ShowPictureFile& picture : showPictureFiles())
        EXPECT_EQ(files.count(picture.path), 1u) << picture.path;
    const std::string readme = readFile(show + "/README.txt");
    for (const char* step : {"--edit", "--check", "--timeline", "--capture"})
        EXPECT_NE(readme.find(step), std::string::npos) << step;
    const std::string script = show + "/data/script.txt";
    EXPECT_STREQ(std::make_unique<DemoScript>(script.c_str())->title, "my show") << "named after its folder";
}

TEST(NewShow, TheScriptUsesEveryKeywordAndSaysWhatEachLineDoes) {
    TempDir dir;
    ASSERT_EQ(runPlayer(dir.path(), "--new show").exitCode, 0);
    const std::string path = dir.file("show/data/script.txt");
    const auto script = std::make_unique<DemoScript>(path.c_str());
    std::set<int32_t> kinds;
    for (int32_t i = 0; i < script->eventCount; ++i) kinds.insert(script->events[i].kind);
    for (int32_t kind = EVENT_PALIKAT; kind <= EVENT_ROTATE_SPEED; ++kind) {
        if (kind == 7 || kind == 8) continue;  // never produced
        EXPECT_EQ(kinds.count(kind), 1u) << "event kind " << kind;
    }
    EXPECT_EQ(kinds.count(EVENT_NONE), 0u);
    const std::string text = readFile(path);
    EXPECT_NE(text.find(" end "), std::string::npos);
    EXPECT_EQ(linesWithoutANote(text), std::vector<std::string>{});
    EXPECT_EQ(headerValue(text, "bpm"), "125");
    EXPECT_EQ(headerValue(text, "offset"), "") << "a generated song starts on its first beat";
}

TEST(NewShow, AnAuthorsSongComesInWithItsTempoAndFirstBeat) {
    TempDir dir;
    const std::string song = dir.file("my song.flac");
    writeBeatSong(song, {128, 1.56, 40.0, true});
    const PlayerRun found = runPlayer(dir.path(), "--new found --song 'my song.flac'");
    ASSERT_EQ(found.exitCode, 0) << found.err;
    const std::string script = readFile(dir.file("found/data/script.txt"));
    EXPECT_NE(script.find("init songfile data/song.flac"), std::string::npos);
    EXPECT_EQ(readFile(dir.file("found/data/song.flac")), readFile(song));
    EXPECT_EQ(headerValue(script, "bpm"), "128");
    EXPECT_NEAR(std::stoi(headerValue(script, "offset")), 1560, 20);
    const PlayerRun check = runPlayer(dir.file("found"), "--check");
    EXPECT_NE(check.out.find("0 errors, 0 warnings"), std::string::npos)
        << "init offset is known: " << check.out;
    // The show's first six patterns jump on beats only; the song's own beats lie 1.56 s + k * 60/128 s
    // in, two thirds of a step off the steps counted from the song's start.
    const PlayerRun play = runPlayer(dir.file("found"), "--frames 800 --dt 16 --trace");
    ASSERT_EQ(play.exitCode, 0) << play.err;
    const double beat = 60.0 / 128;
    const std::vector<long> misses = jumpFramesFromTheirBeats(play.lines, 1.56, beat, 1.56 + 6 * 4 * beat);
    EXPECT_GE(misses.size(), 15u);
    for (const long miss : misses) EXPECT_LE(std::abs(miss), 1) << "jump frames from their beat's frame";

    ASSERT_EQ(runPlayer(dir.path(), "--new given --song 'my song.flac' --bpm 64").exitCode, 0);
    const std::string given = readFile(dir.file("given/data/script.txt"));
    EXPECT_EQ(headerValue(given, "bpm"), "64");
    EXPECT_NEAR(std::stoi(headerValue(given, "offset")), 1560, 20);
}

TEST(NewShow, AnythingButANewOrEmptyFolderIsRefusedWithNothingTouched) {
    TempDir dir;
    dir.write("busy/notes.txt", "mine\n");
    dir.write("plain-file", "mine\n");
    fs::create_directory(dir.file("empty"));
    struct Case {
        const char* arguments;
        const char* says;
    };
    const Case cases[] = {
        {"--new busy", "not empty"},
        {"--new plain-file", "not a folder"},
        {"--new fresh --song missing.ogg", "cannot read the song missing.ogg"},
        {"--new empty --song plain-file", "cannot read the song plain-file"},
    };
    const std::set<std::string> before = entriesOf(dir.path());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const PlayerRun run = runPlayer(dir.path(), c.arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_EQ(entriesOf(dir.path()), before) << "nothing made, nothing left behind";
        EXPECT_EQ(readFile(dir.file("busy/notes.txt")), "mine\n");
    }
    const PlayerRun intoEmpty = runPlayer(dir.path(), "--new empty");
    EXPECT_EQ(intoEmpty.exitCode, 0) << intoEmpty.err;
    EXPECT_TRUE(fs::exists(dir.file("empty/data/script.txt")));
}
