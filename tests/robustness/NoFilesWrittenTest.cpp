// The player writes no file at all: a whole show played in a read-only copy of the
// data set leaves the copy, the working folder and a scratch home exactly as they were.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "tests/robustness/ShowCopy.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {

// Every entry under `root` with its size and modification time.
std::map<std::string, std::string> snapshot(const fs::path& root) {
    std::map<std::string, std::string> entries;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        const auto stamp = entry.last_write_time().time_since_epoch().count();
        const auto size = entry.is_regular_file() ? entry.file_size() : 0;
        entries[fs::relative(entry.path(), root).string()] =
            std::to_string(size) + "@" + std::to_string(stamp);
    }
    return entries;
}

void setWritable(const fs::path& root, bool writable) {
    const fs::perms write = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    const fs::perm_options how = writable ? fs::perm_options::add : fs::perm_options::remove;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        fs::permissions(entry.path(), write & (writable ? fs::perms::owner_write : write), how);
    }
    fs::permissions(root, write & (writable ? fs::perms::owner_write : write), how);
}

// Points the home, cache and temporary folders of the child at `scratch`. Mesa's
// shader cache is the GL driver's own file, not the player's, so it is switched off.
class ScratchEnvironment {
public:
    explicit ScratchEnvironment(const fs::path& scratch) {
        for (const char* name : {"HOME", "XDG_CACHE_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "TMPDIR"}) {
            const char* value = std::getenv(name);
            saved_[name] = value != nullptr ? std::string(value) : std::string("\1unset");
        }
        setenv("HOME", scratch.c_str(), 1);
        setenv("XDG_CACHE_HOME", (scratch / "cache").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (scratch / "config").c_str(), 1);
        setenv("XDG_DATA_HOME", (scratch / "share").c_str(), 1);
        setenv("TMPDIR", (scratch / "tmp").c_str(), 1);
        setenv("MESA_SHADER_CACHE_DISABLE", "true", 1);
    }
    ~ScratchEnvironment() {
        for (const auto& [name, value] : saved_) {
            if (value == "\1unset") {
                unsetenv(name.c_str());
            } else {
                setenv(name.c_str(), value.c_str(), 1);
            }
        }
        unsetenv("MESA_SHADER_CACHE_DISABLE");
    }

private:
    std::map<std::string, std::string> saved_;
};

TEST(NoFilesWritten, AWholeShowInAReadOnlyDataCopyChangesNoFile) {
    TempDir show;
    copyDataSet(show.path());
    TempDir scratchHome;
    fs::create_directories(fs::path(scratchHome.path()) / "tmp");
    TempDir runFolder;  // where the player starts; the test's capture of standard error is removed
    const auto showBefore = snapshot(show.path());
    const auto homeBefore = snapshot(scratchHome.path());
    setWritable(show.path(), false);

    PlayerRun run;
    {
        const ScratchEnvironment environment(scratchHome.path());
        run = runPlayer(runFolder.path(), "--frames " + std::to_string(WHOLE_SHOW_FRAMES) + " --dt " +
                                                 std::to_string(WHOLE_SHOW_DT_MS) + " --trace --data '" +
                                                 show.path() + "'");
    }
    setWritable(show.path(), true);

    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.lines.size(), static_cast<size_t>(WHOLE_SHOW_FRAMES));
    EXPECT_EQ(snapshot(show.path()), showBefore);
    EXPECT_EQ(snapshot(scratchHome.path()), homeBefore);
    EXPECT_TRUE(snapshot(runFolder.path()).empty());
}

}  // namespace
