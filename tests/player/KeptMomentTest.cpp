// Kept moments are whole: every layer switch changed after keeping comes back on
// return, and a moment kept anywhere in the generated show plays on after a return
// exactly as it played the first time (pictures and trace lines), wherever the show
// went in between. Drawn small on a real Mesa context to stay quick.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "demo/DemoState.h"
#include "demo/Trace.h"
#include "gfx/FrameReadback.h"
#include "player/Moment.h"
#include "player/Player.h"
#include "scene/SceneLayers.h"
#include "tests/support/GlContext.h"
#include "tests/support/TestShell.h"

namespace {

constexpr int32_t WIDTH = 160;
constexpr int32_t HEIGHT = 120;
constexpr int FRAMES_AFTER = 200;
constexpr double SHOW_MS = 140000.0;

uint64_t hashOf(const std::vector<uint8_t>& pixels) {
    uint64_t hash = 1469598103934665603ull;
    for (uint8_t byte : pixels) hash = (hash ^ byte) * 1099511628211ull;
    return hash;
}

// Each drawn frame as its picture's hash and its trace line.
class FrameRecord : public FrameObserver {
public:
    bool frameDrawn(const PlayerFrame& frame) override {
        readFramePixels(frame.window.width, frame.window.height, pixels_);
        char* text = nullptr;
        size_t size = 0;
        FILE* line = open_memstream(&text, &size);
        writeTraceLine(line, frame.number);
        std::fclose(line);
        frames.push_back(std::to_string(hashOf(pixels_)) + " " + text);
        std::free(text);
        return true;
    }

    std::vector<std::string> frames;

private:
    std::vector<uint8_t> pixels_;
};

class KeptMoment : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(context.ok());
        ASSERT_EQ(chdir(FLASHSTEP_DATA_PARENT), 0);
        window.keys = &keys;
        window.width = WIDTH;
        window.height = HEIGHT;
        RunPlan plan;
        plan.clock = FrameClock::Schedule;  // the capture's schedule, no sound device
        plan.frameWidth = WIDTH;
        plan.frameHeight = HEIGHT;
        player = std::make_unique<Player>(plan);
        ASSERT_TRUE(player->open(window, keys, shell));
    }
    void TearDown() override {
        if (player) player->close();
        resetGlState();
    }

    std::vector<std::string> framesFromHere(int count) {
        FrameRecord record;
        player->addObserver(record);
        for (int i = 0; i < count; ++i) player->frame(0);
        player->removeObserver(record);
        return record.frames;
    }

    GlContext context;
    KeyState keys;
    GLWindow window;
    TestShell shell;
    std::unique_ptr<Player> player;
};

}  // namespace

TEST_F(KeptMoment, EveryLayerSwitchedAfterKeepingComesBackOnReturn) {
    player->seek(30000.0);
    Scene& scene = *demo::scene;
    for (const bool kept : {true, false}) {
        setSceneLayers(scene, kept);
        const std::shared_ptr<const Moment> moment = player->keep();
        for (const SceneLayer& layer : SCENE_LAYERS) {
            scene.*layer.flag = !kept;
            player->returnTo(*moment);
            EXPECT_EQ(scene.*layer.flag, kept) << layer.keyword;
        }
    }
}

// One random moment per seed, each its own test so that they can run side by side.
class KeptAnywhere : public KeptMoment, public testing::WithParamInterface<uint32_t> {};

TEST_P(KeptAnywhere, PlaysOnAfterAReturnAsItPlayedTheFirstTimeWhereverTheShowWentSince) {
    std::mt19937 random(GetParam());
    std::uniform_real_distribution<double> anywhere(0.0, SHOW_MS);
    const double keptAt = anywhere(random);
    const double wentTo = anywhere(random);
    player->seek(keptAt);
    const std::shared_ptr<const Moment> moment = player->keep();
    const std::vector<std::string> first = framesFromHere(FRAMES_AFTER);
    player->seek(wentTo);
    framesFromHere(3);
    player->returnTo(*moment);
    const std::vector<std::string> again = framesFromHere(FRAMES_AFTER);
    ASSERT_EQ(again.size(), first.size());
    for (size_t i = 0; i < first.size(); ++i)
        ASSERT_EQ(again[i], first[i]) << "kept at " << keptAt << " ms, went to " << wentTo << " ms";
}

INSTANTIATE_TEST_SUITE_P(Seeds, KeptAnywhere, testing::Values(23u, 24u, 25u));
