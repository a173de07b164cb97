// A reload takes the song again whenever its file changed, whether the script
// changed in the same save or not: an author who restores a missing song and edits
// the script in one go hears the song from the position the show is at.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "demo/DemoState.h"
#include "demo/MusicStream.h"
#include "player/Player.h"
#include "tests/support/GlContext.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestShell.h"
#include "tests/support/TinyShow.h"

namespace {

class ReloadSong : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(getcwd(previousFolder, sizeof previousFolder), nullptr);
        writeTinyShow(show.path(), 3.0);
        ASSERT_EQ(std::rename(show.file("data/song.wav").c_str(), show.file("song.kept").c_str()), 0);
        ASSERT_EQ(chdir(show.path().c_str()), 0);
        ASSERT_TRUE(context.ok());
        window.keys = &keys;
        plan.clock = FrameClock::FixedStep;
        plan.dtMs = 100;
    }
    void TearDown() override { ASSERT_EQ(chdir(previousFolder), 0); }

    // The song put back and the script saved with one more event, as one change.
    void restoreSongAndEditScript() {
        ASSERT_EQ(std::rename("song.kept", "data/song.wav"), 0);
        std::ofstream("data/script.txt", std::ios::app) << "8 hohto on\n";
    }

    char previousFolder[4096] = {};
    TempDir show;
    GlContext context;
    RunPlan plan;
    KeyState keys;
    GLWindow window;
    TestShell shell;
};

TEST_F(ReloadSong, ASongChangedInTheSameSaveAsTheScriptIsOpenedAgainAtThePosition) {
    Player player(plan);
    ASSERT_TRUE(player.open(window, keys, shell));
    for (int frame = 0; frame < 10; ++frame) player.frame(0);
    ASSERT_FALSE(demo::music->loaded);  // the song was missing at the start

    restoreSongAndEditScript();
    ShowChanges changes;
    changes.script = true;
    changes.song = true;
    player.reload(changes);
    player.frame(0);

    EXPECT_TRUE(demo::music->loaded);
    EXPECT_NEAR(player.songSeconds(), 1.1, 1e-3);
    player.close();
}

}  // namespace
