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

struct Row {
    const char* what = "";
    std::string script;                   // data/script.txt; empty: the generated one
    const char* replaced = nullptr;       // one more file under data/ to replace, if any
    std::optional<std::string> contents;  // its new contents; none: the file is removed
    const char* file = "data/script.txt";
    int32_t line = 0;
    int32_t column = 0;
    Severity severity = Severity::Error;
    const char* code = "";
    const char* messageHas = "";
};

// The generated show's files, linked, with the row's files written over or left out.
void buildFolder(const TempDir& folder, const Row& row) {
    fs::create_directories(folder.file("data"));
    for (const auto& entry : fs::directory_iterator(GENERATED_SHOW + "/data")) {
        const std::string name = "data/" + entry.path().filename().string();
        const bool replaced = (row.replaced != nullptr && name == row.replaced) ||
                              (!row.script.empty() && name == "data/script.txt");
        if (!replaced) fs::create_symlink(entry.path(), folder.file(name));
    }
    if (!row.script.empty()) folder.write("data/script.txt", row.script);
    if (row.replaced != nullptr && row.contents) folder.write(row.replaced, *row.contents);
}

std::vector<Row> brokenShows() {
    const std::string coordinatesOnly = SONG + END;
    return {
        // Script errors.
        {"misspelled keyword",
         SONG + "0 palikta on\n" + END,
         nullptr,
         {},
         "data/script.txt",
         2,
         3,
         Severity::Error,
         "unknown-keyword",
         "did you mean `palikat`"},
        {"three time pieces",
         SONG + "1:2:3 hohto on\n" + END,
         nullptr,
         {},
         "data/script.txt",
         2,
         1,
         Severity::Error,
         "partial-time",
         "read as 1:2"},
        {"decimal comma",
         SONG + "0,5 hohto on\n" + END,
         nullptr,
         {},
         "data/script.txt",
         2,
         1,
         Severity::Error,
         "partial-time",
         "read as 0 "},
        {"letters after a time",
         SONG + "12abc hohto on\n" + END,
         nullptr,
         {},
         "data/script.txt",
         2,
         1,
         Severity::Error,
         "partial-time",
         "read as 12 "},
        {"no beat after the colon",
         SONG + "3: hohto on\n" + END,
         nullptr,
         {},
         "data/script.txt",
         2,
         1,
         Severity::Error,
         "partial-time",
         "read as 3:0"},
        {"argument taken from the next line",
         SONG + "0 showImage\n1 lorenz on\n" + END,
         nullptr,
         {},
         "data/script.txt",
         2,
         3,
         Severity::Error,
         "missing-argument",
         "from line 3"},
        {"keyword taken from the next line",
         SONG + "4\nlorenz on\n" + END,
         nullptr,
         {},
         "data/script.txt",
         2,
         1,
         Severity::Error,
         "missing-argument",
         "no keyword"},
        {"header value taken from the next line",
         SONG + "init bpm\n60\n" + END,
         nullptr,
         {},
         "data/script.txt",
         2,
         6,
         Severity::Error,
         "missing-argument",
         "no value"},
        {"word for a number",
         SONG + "0 fadeSpeed fast\n" + END,
         nullptr,
         {},
         "data/script.txt",
         2,
         13,
         Severity::Error,
         "not-a-number",
         "read as 0"},
        {"header value not whole",
         SONG + "init bpm 60.5\n" + END,
         nullptr,
         {},
         "data/script.txt",
         2,
         10,
         Severity::Error,
         "not-a-number",
         "read as 60"},
        {"pattern without %",
         SONG + "0 syncPattern x...x...\n" + END,
         nullptr,
         {},
         "data/script.txt",
         2,
         15,
         Severity::Error,
         "not-a-step-pattern"},
        {"picture past the overlay's",
         SONG + "0 showImage 18\n" + END,
         nullptr,
         {},
         "data/script.txt",
         2,
         13,
         Severity::Error,
         "picture-index",
         "0 to 17"},
        {"negative picture",
         SONG + "0 fadeIn -1\n" + END,
         nullptr,
         {},
         "data/script.txt",
         2,
         10,
         Severity::Error,
         "picture-index"},
        {"time word cut",
         SONG + "0.0000000001 hohto on\n" + END,
         nullptr,
         {},
         "data/script.txt",
         2,
         1,
         Severity::Error,
         "word-cut",
         "`0.000000000`"},
        {"argument cut",
         SONG + "0 rotateSpeed 0." + std::string(90, '5') + "\n" + END,
         nullptr,
         {},
         "data/script.txt",
         2,
         15,
         Severity::Error,
         "word-cut"},
        {"event 1001",
         SONG + repeated("0 sync on\n", 1001) + END,
         nullptr,
         {},
         "data/script.txt",
         1002,
         1,
         Severity::Error,
         "too-many-events"},
        {"byte-order mark",
         "\xEF\xBB\xBF# title\n" + SONG + END,
         nullptr,
         {},
         "data/script.txt",
         1,
         1,
         Severity::Error,
         "byte-order-mark",
         "starting `#`"},
        {"Windows line ends keep columns",
         "init songfile data/song.ogg\r\n\t0 palikta on\r\n" + END,
         nullptr,
         {},
         "data/script.txt",
         2,
         4,
         Severity::Error,
         "unknown-keyword"},
        // Script warnings.
        {"listed after a later event",
         SONG + "2 lorenz on\n1 hohto on\n" + END,
         nullptr,
         {},
         "data/script.txt",
         3,
         1,
         Severity::Warning,
         "out-of-order",
         "listed after an event at 0.96 s (line 2)"},
        {"tempo change after events",
         SONG + "0 hohto on\ninit bpm 60\n" + END,
         nullptr,
         {},
         "data/script.txt",
         3,
         6,
         Severity::Warning,
         "header-after-events",
         "125, lines below with 60"},
        {"misspelled init key",
         SONG + "init bmp 60\n" + END,
         nullptr,
         {},
         "data/script.txt",
         2,
         6,
         Severity::Warning,
         "unknown-init",
         "did you mean `bpm`"},
        {"zero bpm",
         SONG + "init bpm 0\n" + END,
         nullptr,
         {},
         "data/script.txt",
         2,
         10,
         Severity::Warning,
         "bad-tempo",
         "125 stays"},
        {"pattern length past 32",
         SONG + "init patternLength 40\n" + END,
         nullptr,
         {},
         "data/script.txt",
         2,
         20,
         Severity::Warning,
         "bad-tempo",
         "becomes 32"},
        {"switch written ON",
         SONG + "0 hohto ON\n" + END,
         nullptr,
         {},
         "data/script.txt",
         2,
         9,
         Severity::Warning,
         "switch-looks-on"},
        {"switch written 1",
         SONG + "0 sync 1\n" + END,
         nullptr,
         {},
         "data/script.txt",
         2,
         8,
         Severity::Warning,
         "switch-looks-on"},
        {"after the song's end",
         SONG + "1000 lorenz on\n" + END,
         nullptr,
         {},
         "data/script.txt",
         2,
         1,
         Severity::Warning,
         "beyond-song-end",
         "never applied"},
        {"pattern longer than patternLength",
         SONG + "init patternLength 8\n0 syncPattern %x...x...x...\n" + END,
         nullptr,
         {},
         "data/script.txt",
         3,
         15,
         Severity::Warning,
         "pattern-too-long",
         "first 8 play"},
        {"pattern past 31 steps",
         SONG + "init patternLength 32\n0 syncPattern %" + std::string(32, 'x') + "\n" + END,
         nullptr,
         {},
         "data/script.txt",
         3,
         15,
         Severity::Warning,
         "pattern-too-long",
         "first 31"},
        {"odd pattern step",
         SONG + "0 syncPattern %x..o\n" + END,
         nullptr,
         {},
         "data/script.txt",
         2,
         15,
         Severity::Warning,
         "pattern-characters",
         "(step 3)"},
        {"negative time",
         SONG + "-1 lorenz on\n" + END,
         nullptr,
         {},
         "data/script.txt",
         2,
         1,
         Severity::Warning,
         "negative-time-comment"},
        {"time without its zero",
         SONG + ".5 lorenz on\n" + END,
         nullptr,
         {},
         "data/script.txt",
         2,
         1,
         Severity::Warning,
         "dot-time-comment"},
        {"capital Init",
         SONG + "Init bpm 60\n" + END,
         nullptr,
         {},
         "data/script.txt",
         2,
         1,
         Severity::Warning,
         "misspelled-init"},
        // Script notes.
        {"no end line",
         SONG + "0 lorenz on\n",
         nullptr,
         {},
         "data/script.txt",
         0,
         0,
         Severity::Note,
         "no-end"},
        {"lines after the end",
         SONG + END + "10 lorenz on\n",
         nullptr,
         {},
         "data/script.txt",
         2,
         3,
         Severity::Note,
         "after-end",
         "line 3"},
        {"init set",
         SONG + "init set sync on\n" + END,
         nullptr,
         {},
         "data/script.txt",
         2,
         6,
         Severity::Note,
         "set-never-applied"},
        {"pattern time without patternSpeed",
         SONG + "1:0 lorenz on\n" + END,
         nullptr,
         {},
         "data/script.txt",
         2,
         1,
         Severity::Note,
         "default-pattern-speed"},
        {"keyword without time",
         SONG + "lorenz on\n" + END,
         nullptr,
         {},
         "data/script.txt",
         2,
         1,
         Severity::Note,
         "keyword-without-time"},
        {"reveal past the last piece",
         SONG + "0 imagePieces 8\n0 showImage 8\n1 nextPiece 8\n2 nextPiece 8\n" + END, "data/coords.txt",
         "new 8 0 0 640 480 end\n", "data/script.txt", 5, 1, Severity::Note, "no-piece-left",
         "has 1 piece in"},
        {"script missing", "", "data/script.txt", std::nullopt, "data/script.txt", 0, 0, Severity::Error,
         "script-missing"},
        // Song.
        {"no song named", END, nullptr, {}, "data/script.txt", 0, 0, Severity::Error, "song-missing"},
        {"song missing", SONG + END, "data/song.ogg", std::nullopt, "data/script.txt", 1, 15, Severity::Error,
         "song-missing", "`data/song.ogg`"},
        {"song not decodable", SONG + END, "data/song.ogg", "not a song", "data/script.txt", 1, 15,
         Severity::Error, "song-undecodable", "`data/song.ogg`"},
        // Pictures.
        {"picture missing", "", "data/title1.jpg", std::nullopt, "data/title1.jpg", 0, 0, Severity::Error,
         "picture-missing"},
        {"mask missing", "", "data/tekstit-alpha.jpg", std::nullopt, "data/tekstit-alpha.jpg", 0, 0,
         Severity::Error, "picture-missing", "mask of data/musta.jpg"},
        {"CMYK picture", "", "data/pastaa3.jpg", encodeJpeg(8, 8, 4, std::vector<uint8_t>(8 * 8 * 4, 60)),
         "data/pastaa3.jpg", 0, 0, Severity::Error, "picture-undecodable", "CMYK"},
        {"12-bit picture", "", "data/elektro2.jpg", twelveBitJpeg(), "data/elektro2.jpg", 0, 0,
         Severity::Error, "picture-undecodable", "12"},
        {"text named .jpg", "", "data/noise.jpg", "hello", "data/noise.jpg", 0, 0, Severity::Error,
         "picture-undecodable", "Not a JPEG file"},
        // Coordinates.
        {"coordinates missing", SONG + "0 imagePieces 8\n0 nextPiece 8\n" + END, "data/coords.txt",
         std::nullopt, "data/script.txt", 2, 1, Severity::Warning, "coords-missing", "picture 8"},
        {"block for picture 25", coordinatesOnly, "data/coords.txt", "new 25 0 0 10 10 end\n",
         "data/coords.txt", 1, 5, Severity::Warning, "coords-picture-index"},
        {"eleven pieces", coordinatesOnly, "data/coords.txt",
         "new 3\n" + repeated("0 0 10 10\n", 11) + "end\n", "data/coords.txt", 12, 1, Severity::Warning,
         "coords-too-many-pieces"},
        {"file ends inside a piece", coordinatesOnly, "data/coords.txt", "new 3\n0 0 10 10\n20 20 30\n",
         "data/coords.txt", 3, 1, Severity::Warning, "coords-incomplete-group", "after 3"},
        {"piece off the screen", coordinatesOnly, "data/coords.txt", "new 3\n0 0 700 10\nend\n",
         "data/coords.txt", 2, 1, Severity::Warning, "coords-piece-outside"},
        {"letter O for zero", coordinatesOnly, "data/coords.txt", "new 3\n0 0 1O 10\nend\n",
         "data/coords.txt", 2, 5, Severity::Warning, "coords-not-a-number", "read as 1"},
        {"block without end", coordinatesOnly, "data/coords.txt", "new 3\n0 0 10 10\nnew 4 0 0\nend\n",
         "data/coords.txt", 3, 1, Severity::Warning, "coords-not-a-number", "`end` missing"},
    };
}

TEST(ShowCheck, EachBrokenFileGivesItsFindingAndNoOtherLineAny) {
    for (const Row& row : brokenShows()) {
        SCOPED_TRACE(row.what);
        TempDir folder;
        buildFolder(folder, row);
        const CheckRun run = checkFolder(folder.path());
        bool found = false;
        for (const Finding& f : run.findings) {
            EXPECT_TRUE(f.file == row.file && f.line == row.line) << describe(run.findings);
            found = found || (f.file == row.file && f.line == row.line && f.column == row.column &&
                              f.severity == row.severity && f.code == row.code &&
                              f.message.find(row.messageHas) != std::string::npos);
        }
        EXPECT_TRUE(found) << describe(run.findings);
        EXPECT_EQ(run.exitCode, row.severity == Severity::Error ? 1 : 0) << run.text;
    }
}

TEST(ShowCheck, GeneratedShowChecksClean) {
    const CheckRun run = checkFolder(GENERATED_SHOW);
    EXPECT_EQ(countOf(run.findings, Severity::Error), 0u) << describe(run.findings);
    EXPECT_EQ(countOf(run.findings, Severity::Warning), 0u) << describe(run.findings);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.text.substr(run.text.rfind('\n', run.text.size() - 2) + 1), "0 errors, 0 warnings\n");
}

}  // namespace
