// A reloaded script that names another file for an overlay slot shows that file
// from the next frame, without a restart; one that names another file for a scene
// texture is told that the texture takes it at the next start.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "gfx/FrameReadback.h"
#include "player/Player.h"
#include "tests/support/GlContext.h"
#include "tests/support/JpegWriter.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestShell.h"
#include "tests/support/TinyShow.h"

namespace {

void writeScript(const std::string& picture, const std::string& header = "") {
    std::ofstream("data/script.txt") << "init songfile data/song.wav\n"
                                     << header << "init picture 6 " << picture << "\n0 showImage 6\n8 end 0\n";
}

// The middle pixel of the frame just drawn, as RGB.
std::vector<uint8_t> middlePixel() {
    std::vector<uint8_t> pixels;
    readFramePixels(640, 480, pixels);
    const std::size_t at = 4 * (240 * 640 + 320);
    return {pixels[at], pixels[at + 1], pixels[at + 2]};
}

TEST(ReloadPicture, ASlotGivenAnotherFileShowsItFromTheNextFrame) {
    char home[4096] = {};
    ASSERT_NE(getcwd(home, sizeof home), nullptr);
    TempDir show;
    writeTinyShow(show.path(), 3.0);
    show.write("red.jpg", colourJpeg(64, 48, 240, 0, 0));
    show.write("blue.jpg", colourJpeg(64, 48, 0, 0, 240));
    ASSERT_EQ(chdir(show.path().c_str()), 0);
    writeScript("red.jpg");
    GlContext context;
    ASSERT_TRUE(context.ok());
    KeyState keys;
    GLWindow window;
    window.keys = &keys;
    TestShell shell;
    RunPlan plan;
    plan.clock = FrameClock::FixedStep;
    plan.dtMs = 100;
    Player player(plan);
    ASSERT_TRUE(player.open(window, keys, shell));
    player.frame(0);
    const std::vector<uint8_t> red = middlePixel();

    writeScript("blue.jpg");
    ShowChanges changes;
    changes.script = true;
    player.reload(changes);
    player.frame(0);
    const std::vector<uint8_t> blue = middlePixel();
    const std::vector<std::string> texturesAfterPicture = player.texturesForNextStart();
    writeScript("blue.jpg", "init texture noise red.jpg\n");
    player.reload(changes);
    const std::vector<std::string> texturesAfterTexture = player.texturesForNextStart();
    player.close();
    ASSERT_EQ(chdir(home), 0);

    EXPECT_GT(red[0], 200);
    EXPECT_LT(red[2], 40);
    EXPECT_GT(blue[2], 200) << "the slot shows the file the reloaded script names";
    EXPECT_LT(blue[0], 40);
    EXPECT_TRUE(texturesAfterPicture.empty());
    ASSERT_EQ(texturesAfterTexture.size(), 1u);
    EXPECT_NE(texturesAfterTexture[0].find("red.jpg"), std::string::npos) << texturesAfterTexture[0];
}

}  // namespace
