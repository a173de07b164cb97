// The live reload's watch on real inotify: a show folder deleted or moved away and
// made again is watched again, and what it holds then counts as changed; a write
// still open is not finished, its close finishes it, a rename into place is finished
// at once, and a change of mode afterwards leaves it finished.
#include "app/FileWatch.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

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

TEST(FileWatch, TellsWhenAWriteIsFinishedByItsCloseOrByARename) {
    TempDir dir;
    const std::string script = dir.write("data/script.txt", "0:0 hohto on\n");
    const std::string coords = dir.file("data/coords.txt");
    FileWatch watch({script, coords});
    ASSERT_TRUE(watch.watching());

    const int open = ::open(script.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    ASSERT_GE(open, 0);
    ASSERT_EQ(write(open, "0:0 ", 4), 4);
    EXPECT_EQ(watch.touched(), std::vector<std::string>{script});
    EXPECT_FALSE(watch.writeComplete(script)) << "the file is still open for writing";
    ASSERT_EQ(write(open, "kumma on\n", 9), 9);
    close(open);
    EXPECT_EQ(watch.touched(), std::vector<std::string>{script});
    EXPECT_TRUE(watch.writeComplete(script));

    dir.write("data/script.txt.new", "0:0 lorenz on\n");
    watch.touched();  // the new file's own events are not the script's
    ASSERT_EQ(std::rename(dir.file("data/script.txt.new").c_str(), script.c_str()), 0);
    EXPECT_EQ(watch.touched(), std::vector<std::string>{script});
    EXPECT_TRUE(watch.writeComplete(script));
    ASSERT_EQ(chmod(script.c_str(), 0600), 0);
    EXPECT_EQ(watch.touched(), std::vector<std::string>{script});
    EXPECT_TRUE(watch.writeComplete(script)) << "a change of mode after the rename";
    EXPECT_FALSE(watch.writeComplete(coords));
    EXPECT_TRUE(watch.touched().empty());
}
