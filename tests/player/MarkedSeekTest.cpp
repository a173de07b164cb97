// Seeks and reloads that replay from the marks an editor's player keeps, with the
// glow taken from its log, draw the very frames a capture of the show draws there,
// in any order, before and after the glow is rendered ahead, and after a change to
// the script behind the play head. (One player per process: the driver's state is
// the process's.)
#include <GL/gl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "gfx/FrameReadback.h"
#include "gfx/Image.h"
#include "player/GlowHistory.h"
#include "player/Player.h"
#include "tests/support/GlContext.h"
#include "tests/support/JpegWriter.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestShell.h"

namespace {

namespace fs = std::filesystem;
using Rgb = std::vector<uint8_t>;

constexpr double SHOW_END_MS = 141240.0;
// 71.3 s and 121.3 s replay from the marks of seconds 71 and 121, after the frames drawn
// at 70.9 s and 120.9 s were kept: the glow renders from those frames' pixels, too
// near for its tries from both starts to be worth it.
const std::vector<double> TARGETS = {100000.0, 30000.0, 140000.0, 61000.0,  5000.0,
                                     130000.0, 70900.0, 71300.0,  120900.0, 121300.0};

Rgb rgbOf(const uint8_t* rgba, std::size_t pixels) {
    Rgb rgb;
    for (std::size_t i = 0; i < pixels; ++i) rgb.insert(rgb.end(), rgba + 4 * i, rgba + 4 * i + 3);
    return rgb;
}

// The generated show in a folder of its own, its script a copy that can be changed.
class ShowCopy {
public:
    ShowCopy() {
        fs::create_directories(folder.file("data"));
        for (const auto& entry : fs::directory_iterator(std::string(FLASHSTEP_DATA_PARENT) + "/data")) {
            const fs::path name = entry.path().filename();
            if (name == "script.txt") {
                fs::copy_file(entry.path(), folder.file("data/script.txt"));
            } else {
                fs::create_symlink(entry.path(), folder.file("data/" + name.string()));
            }
        }
    }
    // An extra camera jump at 21:0 (40.32 s), behind the play head at 100 s: it draws from
    // the random sequence, so everything after it changes.
    void changeScript() const { addLine("22:0 ", "21:0 syncOnce 1"); }
    // `line` put before the first line that starts with `before`.
    void addLine(const std::string& before, const std::string& line) const {
        std::ifstream in(folder.file("data/script.txt"));
        std::stringstream text;
        text << in.rdbuf();
        const std::string script = text.str();
        const std::size_t at = script.find("\n" + before);
        ASSERT_NE(at, std::string::npos);
        std::ofstream(folder.file("data/script.txt")) << script.substr(0, at + 1) << line << "\n"
                                                      << script.substr(at + 1);
    }
    // `file` (a link to the generated show's) replaced by a picture of its own.
    void replacePicture(const std::string& file, const std::string& bytes) const {
        fs::remove(folder.file(file));
        std::ofstream(folder.file(file), std::ios::binary) << bytes;
    }
    // The frame a capture at 60 fps draws first at or after `ms`, by the player run apart.
    Rgb captured(double ms) const {
        const std::string frames = folder.file("capture");
        fs::remove_all(frames);
        fs::create_directories(frames);
        const std::string command = "cd '" + folder.path() + "' && '" + FLASHSTEP_EXE + "' --capture '" +
                                    frames + "/f%05d.png' --start " +
                                    std::to_string(static_cast<int64_t>(ms)) + "ms --end " +
                                    std::to_string(static_cast<int64_t>(ms) + 1) + "ms --quiet 2>/dev/null";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        for (const auto& entry : fs::directory_iterator(frames)) {
            int32_t width = 0;
            int32_t height = 0;
            int32_t bytes = 0;
            const PixelBlock png = loadImage(entry.path().c_str(), width, height, bytes);
            if (png != nullptr) return rgbOf(png.get(), static_cast<std::size_t>(width) * height);
        }
        ADD_FAILURE() << "no frame captured at " << ms << " ms";
        return {};
    }
    TempDir folder;
};

class MarkedSeeks : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(context.ok());
        ASSERT_NE(getcwd(home, sizeof home), nullptr);
        ASSERT_EQ(chdir(show.folder.path().c_str()), 0);
        window.keys = &keys;
        plan.clock = FrameClock::Schedule;  // the capture's 60 fps, on a virtual clock
        plan.keepCheckpoints = true;        // as the editor keeps the frames it draws
    }
    void TearDown() override { ASSERT_EQ(chdir(home), 0); }

    Rgb drawn() const {
        std::vector<uint8_t> pixels;
        readFramePixels(640, 480, pixels);
        return rgbOf(pixels.data(), 640 * 480);
    }
    Rgb frameAt(Player& player, double ms) const {
        player.seek(ms);
        player.frame(0);
        return drawn();
    }
    static void renderAllAhead(Player& player) {
        while (player.renderAhead(1000.0)) {
        }
    }

    char home[4096] = {};
    ShowCopy show;
    GlContext context;
    RunPlan plan;
    KeyState keys;
    GLWindow window;
    TestShell shell;
};

TEST_F(MarkedSeeks, DrawTheFramesACaptureDrawsAlsoAfterAChangeBehindThePlayHead) {
    std::vector<Rgb> captured;
    for (const double ms : TARGETS) captured.push_back(show.captured(ms));
    // Played from 1 s to 2 s with a glow capture rendered ahead after each frame, as the
    // playing editor does: the first 60 of the log, into a twin of the texture the show
    // draws its own glow with then. Frame 48 follows the pixels kept at capture 47.
    const double playedFromMs = 1000.0;
    const double playedToMs = 2000.0;
    const double playedAheadMs = 800.0;
    const Rgb capturedPlayedTo = show.captured(playedToMs);
    const Rgb capturedPlayedAhead = show.captured(playedAheadMs);

    Player player(plan);
    ASSERT_TRUE(player.open(window, keys, shell));
    player.prepareSeeks(SHOW_END_MS);
    for (std::size_t i = 0; i < TARGETS.size(); ++i)
        EXPECT_TRUE(frameAt(player, TARGETS[i]) == captured[i]) << "after a seek to " << TARGETS[i] << " ms";
    player.seek(playedFromMs);
    const std::size_t renderedBeforePlay = player.glowCapturesRendered();
    std::size_t played = 0;
    for (; player.nextFrame() < firstFrameAtOrAfter(plan, playedToMs); ++played) {
        player.frame(0);
        player.renderAhead(0.0);
    }
    EXPECT_GE(player.glowCapturesRendered() - renderedBeforePlay, played) << "a capture at least after each frame";
    player.frame(0);
    EXPECT_TRUE(drawn() == capturedPlayedTo) << "played on while rendering ahead";
    EXPECT_TRUE(frameAt(player, playedAheadMs) == capturedPlayedAhead) << "from pixels rendered ahead while playing";
    // Rendered ahead, the glow of a seek starts from pixels kept a few frames before.
    renderAllAhead(player);
    for (std::size_t i = TARGETS.size(); i-- > 0;) {
        const std::size_t renderedBefore = player.glowCapturesRendered();
        EXPECT_TRUE(frameAt(player, TARGETS[i]) == captured[i]) << "rendered ahead, a seek to " << TARGETS[i];
        EXPECT_LT(player.glowCapturesRendered() - renderedBefore, GlowHistory::KEEP_EVERY) << TARGETS[i];
    }

    // The play head at 100 s, the script changed at 40 s: reloaded, then seeks on both sides.
    // Rendered ahead, the kept pixels past the change are the old show's.
    player.seek(100000.0);
    show.changeScript();
    ShowChanges changes;
    changes.script = true;
    player.reload(changes);
    player.frame(0);
    const Rgb reloaded = drawn();
    const Rgb after = frameAt(player, 130000.0);
    const Rgb before = frameAt(player, 30000.0);
    renderAllAhead(player);
    const Rgb afterRenderedAhead = frameAt(player, 130000.0);
    const Rgb changedAfter = show.captured(130000.0);
    const Rgb changedAtPlayHead = show.captured(100000.0);
    // A picture shown at 50:0 (96 s), which the glow's captures do not see: the pixels
    // kept past it come back as the replay logs the same captures again.
    show.addLine("50:0 ", "50:0 showImage 12");
    const std::size_t renderedBeforePicture = player.glowCapturesRendered();
    player.seek(100000.0);
    const std::size_t renderedBySeek = player.glowCapturesRendered() - renderedBeforePicture;
    player.reload(changes);
    player.frame(0);
    const Rgb pictureReloaded = drawn();
    const std::size_t renderedByPicture =
        player.glowCapturesRendered() - renderedBeforePicture - renderedBySeek;
    // A camera distance at 35:0 (67.2 s) that 43:0 (82.56 s) sets again: the glow's captures
    // differ until then and are the same after. Once the glow has forgotten the difference,
    // the pixels kept past it come back: a seek to 90 s renders from them.
    renderAllAhead(player);
    show.addLine("35:0 ", "35:0 cameraDistance 7");
    const Rgb cameraChanged = show.captured(80000.0);
    const Rgb cameraSame = show.captured(90000.0);
    player.seek(100000.0);
    player.reload(changes);
    player.frame(0);
    const Rgb cameraFromChange = frameAt(player, 80000.0);
    const std::size_t renderedBeforeSame = player.glowCapturesRendered();
    const Rgb cameraFromSame = frameAt(player, 90000.0);
    const std::size_t renderedBySame = player.glowCapturesRendered() - renderedBeforeSame;

    // The beads' mirror picture edited on disk: every glow capture saw the old one, the
    // kept pixels and the checkpoint kept after the frame drawn at 5 s included.
    const Rgb pictureCaptured = show.captured(100000.0);
    const double afterCheckpointMs = 5017.0;  // the next frame of the 60 fps schedule
    const Rgb beforeMirror = frameAt(player, afterCheckpointMs);
    show.replacePicture("data/reflect.jpg", colourJpeg(256, 256, 255, 255, 255));
    ShowChanges mirror;
    mirror.pictures = {"data/reflect.jpg"};
    player.seek(100000.0);
    player.reload(mirror);
    player.frame(0);
    const Rgb mirrorReloaded = drawn();
    const Rgb mirrorFromCheckpoint = frameAt(player, afterCheckpointMs);
    player.close();

    EXPECT_FALSE(changedAfter == captured[5]) << "the change must show at 130 s for this test to tell";
    EXPECT_FALSE(changedAtPlayHead == captured[0]);
    EXPECT_TRUE(reloaded == changedAtPlayHead) << "the frame drawn right after the reload";
    EXPECT_TRUE(after == changedAfter) << "a seek past the change after the reload";
    EXPECT_TRUE(afterRenderedAhead == changedAfter) << "the same, once rendered ahead again";
    EXPECT_TRUE(before == captured[1]) << "before the change the show is as it was";
    EXPECT_LT(renderedByPicture, GlowHistory::KEEP_EVERY) << "the glow's kept pixels outlive a change it does not see";
    EXPECT_TRUE(pictureReloaded == pictureCaptured) << "the frame drawn right after showing a picture";
    EXPECT_FALSE(pictureReloaded == reloaded) << "the picture must show at 100 s for this test to tell";
    EXPECT_TRUE(cameraFromChange == cameraChanged) << "where the captures differ, none set aside comes back";
    EXPECT_TRUE(cameraFromSame == cameraSame) << "where they are the same again";
    EXPECT_LT(renderedBySame, GlowHistory::KEEP_EVERY) << "the pixels kept past the change came back";
    const Rgb mirrorCaptured = show.captured(afterCheckpointMs);
    EXPECT_FALSE(mirrorCaptured == beforeMirror) << "the mirror must show at 5 s for this test to tell";
    EXPECT_TRUE(mirrorFromCheckpoint == mirrorCaptured) << "a seek to a checkpoint after the mirror changed";
    EXPECT_TRUE(mirrorReloaded == show.captured(100000.0))
        << "the frame drawn right after the mirror changed";
}

}  // namespace
