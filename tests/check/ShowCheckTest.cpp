// The show check run on show folders: the generated show checks clean, and each broken script
// or data file gives its one finding (line, column, severity, code) and no other line any.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "check/CheckCommand.h"
#include "check/FindingsOutput.h"
#include "check/ShowCheck.h"
#include "tests/support/JpegWriter.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {

const std::string GENERATED_SHOW = FLASHSTEP_BINARY_DIR;
const std::string SONG = "init songfile data/song.ogg\n";
const std::string END = "9 end 0\n";

// Runs `body` with `folder` as the working directory, as the player is run.
template <typename Body>
auto inFolder(const std::string& folder, Body body) {
    const fs::path before = fs::current_path();
    fs::current_path(folder);
    auto result = body();
    fs::current_path(before);
    return result;
}

struct CheckRun {
    std::vector<Finding> findings;
    int exitCode = -1;
    std::string text;
};

CheckRun checkFolder(const std::string& folder) {
    return inFolder(folder, [] {
        CheckRun run;
        run.findings = checkShow();
        std::FILE* out = std::tmpfile();
        run.exitCode = runCheckCommand(false, out);
        std::rewind(out);
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, out)) > 0;) run.text.append(buffer, n);
        std::fclose(out);
        return run;
    });
}

std::string describe(const std::vector<Finding>& findings) {
    return formatFindings(findings);
}

// A 12-bit picture: an 8-bit one whose frame header claims 12-bit samples.
std::string twelveBitJpeg() {
    std::string jpeg = grayJpeg(8, 8, 128);
    const size_t frame = jpeg.find("\xFF\xC0", 0, 2);
    jpeg[frame + 4] = 12;
    return jpeg;
}

std::string repeated(const std::string& line, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += line;
    return text;
}

struct Expected {
    const char* file = "";
    int32_t line = 0;
    int32_t column = 0;
    Severity severity = Severity::Error;
    const char* code = "";
    const char* messageHas = "";
};

struct Row {
    const char* what = "";
    std::string script;                   // data/script.txt; empty: the generated one
    const char* replaced = nullptr;       // one more file under data/ to replace, if any
    std::optional<std::string> contents;  // its new contents; none: the file is removed
    Expected expected;
};

constexpr const char* SCRIPT = "data/script.txt";
constexpr const char* COORDS = "data/coords.txt";
constexpr Severity ERROR = Severity::Error;
constexpr Severity WARNING = Severity::Warning;
constexpr Severity NOTE = Severity::Note;

Row scriptRow(const char* what, const std::string& script, Expected expected) {
    return {what, script, nullptr, std::nullopt, expected};
}

Row fileRow(const char* what, const std::string& script, const char* file,
            std::optional<std::string> contents, Expected expected) {
    return {what, script, file, std::move(contents), expected};
}

// The generated show's files, linked, with the row's files written over or left out.
void buildFolder(const TempDir& folder, const Row& row) {
    fs::create_directories(folder.file("data"));
    for (const auto& entry : fs::directory_iterator(GENERATED_SHOW + "/data")) {
        const std::string name = "data/" + entry.path().filename().string();
        const bool replaced =
            (row.replaced != nullptr && name == row.replaced) || (!row.script.empty() && name == SCRIPT);
        if (!replaced) fs::create_symlink(entry.path(), folder.file(name));
    }
    if (!row.script.empty()) folder.write(SCRIPT, row.script);
    if (row.replaced != nullptr && row.contents) folder.write(row.replaced, *row.contents);
}

// clang-format off
std::vector<Row> brokenShows() {
    const std::string noEvents = SONG + END;
    const std::string cmyk = encodeJpeg(8, 8, 4, std::vector<uint8_t>(8 * 8 * 4, 60));
    return {
        // Script errors.
        scriptRow("misspelled keyword", SONG + "0 palikta on\n" + END, {SCRIPT, 2, 3, ERROR, "unknown-keyword", "did you mean `palikat`"}),
        scriptRow("three time pieces", SONG + "1:2:3 hohto on\n" + END, {SCRIPT, 2, 1, ERROR, "partial-time", "read as 1:2"}),
        scriptRow("decimal comma", SONG + "0,5 hohto on\n" + END, {SCRIPT, 2, 1, ERROR, "partial-time", "read as 0 "}),
        scriptRow("letters after a time", SONG + "12abc hohto on\n" + END, {SCRIPT, 2, 1, ERROR, "partial-time", "read as 12 "}),
        scriptRow("no beat after the colon", SONG + "3: hohto on\n" + END, {SCRIPT, 2, 1, ERROR, "partial-time", "read as 3:0"}),
        scriptRow("argument taken from the next line", SONG + "0 showImage\n1 lorenz on\n" + END, {SCRIPT, 2, 3, ERROR, "missing-argument", "from line 3"}),
        scriptRow("keyword taken from the next line", SONG + "4\nlorenz on\n" + END, {SCRIPT, 2, 1, ERROR, "missing-argument", "no keyword"}),
        scriptRow("header value taken from the next line", SONG + "init bpm\n60\n" + END, {SCRIPT, 2, 6, ERROR, "missing-argument", "no value"}),
        scriptRow("switch misspelled", SONG + "0 putki onn\n" + END, {SCRIPT, 2, 9, ERROR, "not-a-switch", "did you mean `on`"}),
        scriptRow("switch forgotten before a note", SONG + "0 kumma  # forgot\n" + END, {SCRIPT, 2, 10, ERROR, "not-a-switch", "no `on` or `off` before its note"}),
        scriptRow("tempo not a number, the times after it unchecked", SONG + "init bpm 12o\n0 hohto on\n40 lorenz on\n" + END, {SCRIPT, 2, 10, ERROR, "not-a-number", "read as 12, which sets bpm 12; the lines below"}),
        scriptRow("word for a number", SONG + "0 fadeSpeed fast\n" + END, {SCRIPT, 2, 13, ERROR, "not-a-number", "read as 0"}),
        scriptRow("offset in seconds", SONG + "init offset 1.5s\n" + END, {SCRIPT, 2, 13, ERROR, "not-a-number", "milliseconds: read as 1"}),
        scriptRow("header value not whole", SONG + "init bpm 60.5\n" + END, {SCRIPT, 2, 10, ERROR, "not-a-number", "read as 60"}),
        scriptRow("pattern without %", SONG + "0 syncPattern x...x...\n" + END, {SCRIPT, 2, 15, ERROR, "not-a-step-pattern"}),
        scriptRow("picture past the overlay's", SONG + "0 showImage 18\n" + END, {SCRIPT, 2, 13, ERROR, "picture-index", "0 to 17"}),
        scriptRow("negative picture", SONG + "0 fadeIn -1\n" + END, {SCRIPT, 2, 10, ERROR, "picture-index"}),
        scriptRow("time word cut", SONG + "0.0000000001 hohto on\n" + END, {SCRIPT, 2, 1, ERROR, "word-cut", "`0.000000000`"}),
        scriptRow("argument cut", SONG + "0 rotateSpeed 0." + std::string(90, '5') + "\n" + END, {SCRIPT, 2, 15, ERROR, "word-cut"}),
        scriptRow("event 1001", SONG + repeated("0 sync on\n", 1001) + END, {SCRIPT, 1002, 1, ERROR, "too-many-events"}),
        scriptRow("byte-order mark", "\xEF\xBB\xBF# title\n" + SONG + END, {SCRIPT, 1, 1, ERROR, "byte-order-mark", "starting `#`"}),
        scriptRow("Windows line ends keep columns", "init songfile data/song.ogg\r\n\t0 palikta on\r\n" + END, {SCRIPT, 2, 4, ERROR, "unknown-keyword"}),
        fileRow("script missing", "", SCRIPT, std::nullopt, {SCRIPT, 0, 0, ERROR, "script-missing"}),
        // Script warnings.
        scriptRow("listed after a later event", SONG + "2 lorenz on\n1 hohto on\n" + END, {SCRIPT, 3, 1, WARNING, "out-of-order", "at 1 (0.48 s), but listed after an event at 2 (0.96 s) on line 2"}),
        scriptRow("beat past the pattern's, lines after it waiting", SONG + "init patternSpeed 4\n15:5 hohto on\n16:0 lorenz on\n16:0 palikat on\n" + END, {SCRIPT, 3, 1, WARNING, "beat-past-pattern", "`15:5` has beat 5, past the pattern's 4 beats: it is 16:1 (31.2 s)"}),
        scriptRow("tempo change after events", SONG + "0 hohto on\ninit bpm 60\n" + END, {SCRIPT, 3, 6, WARNING, "header-after-events", "125, lines below with 60"}),
        scriptRow("offset change after events", SONG + "0 hohto on\ninit offset 500\n" + END, {SCRIPT, 3, 6, WARNING, "header-after-events", "lines above count from 0 ms, lines below from 500 ms"}),
        scriptRow("offset before the song", SONG + "init offset -40\n" + END, {SCRIPT, 2, 13, WARNING, "bad-tempo", "so it becomes 0"}),
        scriptRow("misspelled init key", SONG + "init bmp 60\n" + END, {SCRIPT, 2, 6, WARNING, "unknown-init", "did you mean `bpm`"}),
        scriptRow("zero bpm", SONG + "init bpm 0\n" + END, {SCRIPT, 2, 10, WARNING, "bad-tempo", "125 stays"}),
        scriptRow("pattern length past 32", SONG + "init patternLength 40\n" + END, {SCRIPT, 2, 20, WARNING, "bad-tempo", "becomes 32"}),
        scriptRow("switch written ON", SONG + "0 hohto ON\n" + END, {SCRIPT, 2, 9, WARNING, "switch-looks-on"}),
        scriptRow("switch written 1", SONG + "0 sync 1\n" + END, {SCRIPT, 2, 8, WARNING, "switch-looks-on"}),
        scriptRow("after the song's end", SONG + "1000 lorenz on\n" + END, {SCRIPT, 2, 1, WARNING, "beyond-song-end", "at 1000 (480 s), after the song ends"}),
        scriptRow("pattern longer than patternLength", SONG + "init patternLength 8\n0 syncPattern %x...x...x...\n" + END, {SCRIPT, 3, 15, WARNING, "pattern-too-long", "first 8 play"}),
        scriptRow("pattern past 31 steps", SONG + "init patternLength 32\n0 syncPattern %" + std::string(32, 'x') + "\n" + END, {SCRIPT, 3, 15, WARNING, "pattern-too-long", "first 31"}),
        scriptRow("odd pattern step", SONG + "0 syncPattern %x..o\n" + END, {SCRIPT, 2, 15, WARNING, "pattern-characters", "(step 3)"}),
        scriptRow("negative time", SONG + "-1 lorenz on\n" + END, {SCRIPT, 2, 1, WARNING, "negative-time-comment"}),
        scriptRow("time without its zero", SONG + ".5 lorenz on\n" + END, {SCRIPT, 2, 1, WARNING, "dot-time-comment"}),
        scriptRow("capital Init", SONG + "Init bpm 60\n" + END, {SCRIPT, 2, 1, WARNING, "misspelled-init"}),
        // Script notes.
        scriptRow("no end line", SONG + "0 lorenz on\n", {SCRIPT, 0, 0, NOTE, "no-end"}),
        scriptRow("lines after the end", SONG + END + "10 lorenz on\n", {SCRIPT, 2, 3, NOTE, "after-end", "line 3"}),
        scriptRow("init set", SONG + "init set sync on\n" + END, {SCRIPT, 2, 6, NOTE, "set-never-applied"}),
        scriptRow("pattern time without patternSpeed", SONG + "1:0 lorenz on\n" + END, {SCRIPT, 2, 1, NOTE, "default-pattern-speed"}),
        scriptRow("keyword without time", SONG + "lorenz on\n" + END, {SCRIPT, 2, 1, NOTE, "keyword-without-time"}),
        fileRow("reveal past the last piece", SONG + "0 imagePieces 8\n0 showImage 8\n1 nextPiece 8\n2 nextPiece 8\n" + END, COORDS, "new 8 0 0 640 480 end\n", {SCRIPT, 5, 1, NOTE, "no-piece-left", "has 1 piece,"}),
        // Song.
        scriptRow("no song named", END, {SCRIPT, 0, 0, ERROR, "song-missing"}),
        fileRow("song missing", noEvents, "data/song.ogg", std::nullopt, {SCRIPT, 1, 15, ERROR, "song-missing", "`data/song.ogg`"}),
        fileRow("song not decodable", noEvents, "data/song.ogg", "not a song", {SCRIPT, 1, 15, ERROR, "song-undecodable", "`data/song.ogg`"}),
        // Pictures, with the generated script.
        fileRow("picture missing", "", "data/title1.jpg", std::nullopt, {"data/title1.jpg", 0, 0, ERROR, "picture-missing"}),
        fileRow("mirror missing where only the glow shows it", SONG + "0 hohto on\n" + END, "data/reflect.jpg", std::nullopt, {"data/reflect.jpg", 0, 0, ERROR, "picture-missing"}),
        fileRow("mask missing", "", "data/tekstit-alpha.jpg", std::nullopt, {"data/tekstit-alpha.jpg", 0, 0, ERROR, "picture-missing", "mask of data/musta.jpg"}),
        fileRow("CMYK picture", "", "data/pastaa3.jpg", cmyk, {"data/pastaa3.jpg", 0, 0, ERROR, "picture-undecodable", "CMYK"}),
        fileRow("12-bit picture", "", "data/elektro2.jpg", twelveBitJpeg(), {"data/elektro2.jpg", 0, 0, ERROR, "picture-undecodable", "12"}),
        fileRow("text named .jpg", "", "data/noise.jpg", "hello", {"data/noise.jpg", 0, 0, ERROR, "picture-undecodable", "Not a JPEG file"}),
        // Pictures by name, each on its line.
        scriptRow("named picture missing", SONG + "init picture 6 data/mine.png\n" + END, {SCRIPT, 2, 16, ERROR, "picture-missing", "`data/mine.png` is not there"}),
        scriptRow("named picture is a folder", SONG + "init texture noise data\n" + END, {SCRIPT, 2, 20, ERROR, "picture-unreadable", "not a regular file"}),
        fileRow("named picture of another kind", SONG + "init picture 6 data/mine.gif\n" + END, "data/mine.gif", "GIF89a\x01\x00\x01\x00", {SCRIPT, 2, 16, ERROR, "picture-kind", "neither a JPEG nor a PNG"}),
        fileRow("named PNG cut short", SONG + "init texture elektro3 data/cut.png\n" + END, "data/cut.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16), {SCRIPT, 2, 23, ERROR, "picture-undecodable", "will not decode"}),
        scriptRow("picture slot past the overlay's", SONG + "init picture 18 data/title1.jpg\n" + END, {SCRIPT, 2, 14, ERROR, "picture-index", "the slots are 0 to 17"}),
        scriptRow("texture role misspelled", SONG + "init texture relfect data/reflect.jpg\n" + END, {SCRIPT, 2, 14, ERROR, "texture-role", "did you mean `reflect`"}),
        scriptRow("picture's file taken from the next line", SONG + "init picture 6\n0 hohto on\n" + END, {SCRIPT, 2, 14, ERROR, "missing-argument", "has no file on its line"}),
        // Coordinates.
        fileRow("coordinates missing", SONG + "0 imagePieces 8\n0 nextPiece 8\n" + END, COORDS, std::nullopt, {SCRIPT, 2, 1, WARNING, "coords-missing", "picture 8"}),
        fileRow("block for picture 25", noEvents, COORDS, "new 25 0 0 10 10 end\n", {COORDS, 1, 5, WARNING, "coords-picture-index"}),
        fileRow("eleven pieces", noEvents, COORDS, "new 3\n" + repeated("0 0 10 10\n", 11) + "end\n", {COORDS, 12, 1, WARNING, "coords-too-many-pieces"}),
        fileRow("file ends inside a piece", noEvents, COORDS, "new 3\n0 0 10 10\n20 20 30\n", {COORDS, 3, 1, WARNING, "coords-incomplete-group", "after 3"}),
        fileRow("piece off the screen", noEvents, COORDS, "new 3\n0 0 700 10\nend\n", {COORDS, 2, 1, WARNING, "coords-piece-outside"}),
        fileRow("letter O for zero", noEvents, COORDS, "new 3\n0 0 1O 10\nend\n", {COORDS, 2, 5, WARNING, "coords-not-a-number", "read as 1"}),
        fileRow("short line, the pieces after it shifted", noEvents, COORDS, "new 3\n0 0 640\n0 120 640 240\n0 240 640 360\nend\n", {COORDS, 2, 1, WARNING, "coords-short-line", "takes `0` from line 3"}),
        fileRow("block without end", noEvents, COORDS, "new 3\n0 0 10 10\nnew 4 0 0\nend\n", {COORDS, 3, 1, WARNING, "coords-not-a-number", "`end` missing"}),
    };
}
// clang-format on

TEST(ShowCheck, EachBrokenFileGivesItsFindingAndNoOtherLineAny) {
    for (const Row& row : brokenShows()) {
        SCOPED_TRACE(row.what);
        TempDir folder;
        buildFolder(folder, row);
        const CheckRun run = checkFolder(folder.path());
        bool found = false;
        const Expected& want = row.expected;
        for (const Finding& f : run.findings) {
            EXPECT_TRUE(f.file == want.file && f.line == want.line) << describe(run.findings);
            found = found || (f.file == want.file && f.line == want.line && f.column == want.column &&
                              f.severity == want.severity && f.code == want.code &&
                              f.message.find(want.messageHas) != std::string::npos);
        }
        EXPECT_TRUE(found) << describe(run.findings);
        EXPECT_EQ(run.exitCode, want.severity == Severity::Error ? 1 : 0) << run.text;
        EXPECT_EQ(run.text.find(":0:"), std::string::npos) << "a whole file is named alone: " << run.text;
    }
}

// A picture saved with its own ending in place of a usual one (a PNG as data/tekstit2.png)
// is not taken for it: the finding names it and the lines that would take it, one for
// each slot that file fills.
TEST(ShowCheck, APictureBesideAMissingOneIsNamedWithTheLinesThatWouldTakeIt) {
    TempDir folder;
    buildFolder(folder, fileRow("tekstit2 saved as a PNG", "", "data/tekstit2.jpg", std::nullopt, {}));
    folder.write("data/tekstit2.png", "\x89PNG\r\n\x1a\n");
    const CheckRun run = checkFolder(folder.path());
    ASSERT_EQ(run.findings.size(), 1u) << describe(run.findings);
    EXPECT_EQ(run.findings[0].file, "data/tekstit2.jpg");
    EXPECT_NE(run.findings[0].message.find(
                  "`data/tekstit2.png` is there, used only when the script names it: "
                  "`init picture 9 data/tekstit2.png` `init picture 10 data/tekstit2.png`"),
              std::string::npos)
        << run.findings[0].message;
}

TEST(ShowCheck, GeneratedShowChecksClean) {
    const CheckRun run = checkFolder(GENERATED_SHOW);
    EXPECT_EQ(countOf(run.findings, Severity::Error), 0u) << describe(run.findings);
    EXPECT_EQ(countOf(run.findings, Severity::Warning), 0u) << describe(run.findings);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.text.substr(run.text.rfind('\n', run.text.size() - 2) + 1), "0 errors, 0 warnings\n");
}

}  // namespace
