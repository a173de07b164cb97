// Saving edits to a real file in a scratch folder: the save replaces the file whole with its mode
// kept, a save from outside since the read is never overwritten (also one landing between the
// write and the swap), and undo through saved edits gives back the file byte for byte.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "script/EditHistory.h"
#include "script/ScriptEdit.h"
#include "script/ScriptSave.h"
#include "script/ScriptShift.h"
#include "tests/support/Files.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* ORIGINAL = "init bpm 125\r\n# intro\r\n0:0 hohto on # glow\r\n1:0 palikat on\r\n2:0 putki on";

std::vector<std::string> filesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    return names;
}

fs::perms modeOf(const std::string& path) {
    return fs::status(path).permissions();
}

TEST(ScriptSave, ReplacesTheFileWholeAndKeepsItsMode) {
    const TempDir dir;
    const std::string path = dir.write("script.txt", ORIGINAL);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    struct stat before {};
    ASSERT_EQ(stat(path.c_str(), &before), 0);
    const SaveResult result = saveScript(path, ORIGINAL, "new bytes");
    ASSERT_EQ(result.status, SaveStatus::Saved) << result.message;
    EXPECT_EQ(readFile(path), "new bytes");
    EXPECT_EQ(modeOf(path), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    struct stat after {};
    ASSERT_EQ(stat(path.c_str(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino) << "a new file put in place, never the old one rewritten";
    EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"script.txt"});
}

TEST(ScriptSave, ThroughALinkReplacesTheFileItNames) {
    const TempDir dir;
    const std::string target = dir.write("real.txt", ORIGINAL);
    const std::string link = dir.file("script.txt");
    fs::create_symlink("real.txt", link);
    ASSERT_EQ(saveScript(link, ORIGINAL, "new").status, SaveStatus::Saved);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readFile(target), "new");
}

TEST(ScriptSave, NeverOverwritesASaveFromOutside) {
    const TempDir dir;
    const std::string path = dir.write("script.txt", ORIGINAL);
    const std::string outside = std::string(ORIGINAL) + "\r\n3:0 kumma on";

    // Saved by another editor after our read, in place, with the same size and time stamp.
    writeFile(path, std::string(ORIGINAL).replace(0, 4, "INIT"));
    SaveResult result = saveScript(path, ORIGINAL, "ours");
    EXPECT_EQ(result.status, SaveStatus::ChangedOutside);
    EXPECT_EQ(result.onDisk, readFile(path));
    EXPECT_EQ(readFile(path).substr(0, 4), "INIT");

    // Saved by another editor as a new file renamed into place, after our temporary file was written.
    writeFile(path, ORIGINAL);
    result = saveScript(path, ORIGINAL, "ours", [&] {
        writeFile(dir.file("other.tmp"), outside);
        fs::rename(dir.file("other.tmp"), path);
    });
    EXPECT_EQ(result.status, SaveStatus::ChangedOutside);
    EXPECT_EQ(result.onDisk, outside);
    EXPECT_EQ(readFile(path), outside);
    EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"script.txt"});

    // The same, written in place.
    writeFile(path, ORIGINAL);
    result = saveScript(path, ORIGINAL, "ours", [&] { writeFile(path, outside); });
    EXPECT_EQ(result.status, SaveStatus::ChangedOutside);
    EXPECT_EQ(readFile(path), outside);
}

TEST(EditHistory, UndoThroughSavedEditsGivesBackTheFileByteForByte) {
    const TempDir dir;
    const std::string path = dir.write("script.txt", ORIGINAL);
    EditHistory history(readFile(path));
    auto save = [&](const std::string& text) {
        ASSERT_EQ(saveScript(path, readFile(path), text).status, SaveStatus::Saved);
    };
    auto edit = [&](const std::function<ScriptEditResult(const ScriptText&)>& change, const char* what) {
        const ScriptEditResult result = change(ScriptText(history.current()));
        ASSERT_TRUE(result.done()) << result.refusal;
        save(result.text);
        history.record(result.text, what);
    };
    edit([](const ScriptText& s) { return moveEvent(s, 0, 2880); }, "move hohto");
    edit([](const ScriptText& s) { return insertEvent(s, 480, {"sync", "on", "kick"}); }, "insert sync");
    edit([](const ScriptText& s) { return deleteEvents(s, {2}); }, "delete palikat");
    edit([](const ScriptText& s) { return shiftEvents(s, 0, 960); }, "shift");
    const std::string last = readFile(path);
    EXPECT_EQ(history.undoWhat(), "shift");

    while (history.canUndo()) save(history.undo());
    EXPECT_EQ(readFile(path), ORIGINAL);
    EXPECT_EQ(history.redoWhat(), "move hohto");
    while (history.canRedo()) save(history.redo());
    EXPECT_EQ(readFile(path), last);

    // A new edit after an undo drops what redo would have brought back.
    const std::string beforeShift = history.undo();
    history.record(ORIGINAL, "a save from outside");
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.undo(), beforeShift);
}

}  // namespace
