// The live reload's watch on real inotify: a show folder deleted or moved away and
// made again is watched again, and what it holds then counts as changed.
#include "app/FileWatch.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

TEST(FileWatch, FollowsTheFolderGoingAwayAndComingBack) {
    TempDir dir;
    const std::string script = dir.write("data/script.txt", "before");
    const std::string coords = dir.write("data/coords.txt", "before");
    FileWatch watch({script, coords});
    ASSERT_TRUE(watch.watching());
    EXPECT_TRUE(watch.touched().empty());

    fs::remove_all(dir.file("data"));
    EXPECT_EQ(watch.touched(), (std::vector<std::string>{coords, script})) << "deleted with their folder";
    dir.write("data/script.txt", "made again");
    EXPECT_EQ(watch.touched(), (std::vector<std::string>{coords, script}));
    dir.write("data/script.txt", "saved again");
    EXPECT_EQ(watch.touched(), std::vector<std::string>{script}) << "the new folder is watched";

    fs::rename(dir.file("data"), dir.file("old"));
    dir.write("data/coords.txt", "a new folder under the old name");
    dir.write("old/script.txt", "the moved folder is not the show's any more");
    EXPECT_EQ(watch.touched(), (std::vector<std::string>{coords, script}));
    dir.write("old/script.txt", "still not");
    EXPECT_TRUE(watch.touched().empty());
}
