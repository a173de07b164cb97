// The loop's laps in the authoring session on a real Mesa context: a save that
// changes the show before the loop's start stays in every later lap, instead of
// being undone by the moment the loop kept before the save.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "app/EditTransport.h"
#include "player/Player.h"
#include "scene/Scene.h"
#include "scene/SceneLayers.h"
#include "script/DemoScript.h"
#include "tests/support/Files.h"
#include "tests/support/GlContext.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestShell.h"
#include "tests/support/TinyShow.h"

namespace {

bool layerOn(const Player& player, const std::string& keyword) {
    for (const SceneLayer& layer : SCENE_LAYERS) {
        if (keyword == layer.keyword) return player.scene().*layer.flag;
    }
    ADD_FAILURE() << "no layer " << keyword;
    return false;
}

}  // namespace

TEST(LoopLaps, KeepASaveThatChangedTheShowBeforeTheLoopsStart) {
    GlContext context;
    ASSERT_TRUE(context.ok());
    TempDir dir;
    writeTinyShow(dir.path(), 12.0);
    ASSERT_EQ(chdir(dir.path().c_str()), 0);
    // Pattern 2 is 3.84 s at 125 bpm: before the loop's start.
    std::ofstream(DemoScript::SCRIPT_FILE, std::ios::app) << "2:0 elektro off\n";
    KeyState keys;
    GLWindow window;
    window.keys = &keys;
    TestShell shell;
    RunPlan plan;
    plan.clock = FrameClock::FixedStep;
    plan.dtMs = 20;
    Player player(plan);
    ASSERT_TRUE(player.open(window, keys, shell));
    EditTransport transport(player, window);
    transport.setLoop(4000.0, 6000.0);
    const auto playFrames = [&](int count) {
        for (int i = 0; i < count; ++i) {
            transport.lapBeforeFrame();
            player.frame(0);
        }
    };
    playFrames(400);  // 6 s to the loop's end, then laps of 2 s
    ASSERT_FALSE(layerOn(player, "elektro"));

    // The line changed in place, as the save in an editor changes it.
    std::string text = readFile(DemoScript::SCRIPT_FILE);
    text.replace(text.find("elektro off"), 11, "elektro on");
    std::ofstream(DemoScript::SCRIPT_FILE) << text;
    ShowChanges changes;
    changes.script = true;
    player.reload(changes);
    EXPECT_TRUE(layerOn(player, "elektro"));
    for (int lap = 0; lap < 3; ++lap) {
        playFrames(100);
        EXPECT_TRUE(layerOn(player, "elektro")) << "lap " << lap << " at " << player.songSeconds() << " s";
    }
    player.close();
}
