// The editing overlay on the generated show and a real Mesa context: drawing it
// leaves the show's GL state and random sequence as they were, changes no pixel
// outside its panels nor any pixel of the frames after it, a paused redraw gives
// the frame back exactly, and the strip turns the pointer into seeks and loops.
#include <GL/gl.h>
#include <gtest/gtest.h>
#include <imgui.h>
#include <unistd.h>

#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/Random.h"
#include "editor/EditorLayout.h"
#include "editor/EditorOverlay.h"
#include "gfx/FrameReadback.h"
#include "player/Moment.h"
#include "player/Player.h"
#include "tests/support/GlContext.h"
#include "tests/support/TestShell.h"

namespace {

constexpr double BUSY_MOMENT_MS = 100000.0;  // most layers on and a picture
constexpr int32_t WIDTH = 640;
constexpr int32_t HEIGHT = 480;

using Pixels = std::vector<uint8_t>;

// Reads each drawn frame, after whoever watches before it.
class FrameReader : public FrameObserver {
public:
    bool frameDrawn(const PlayerFrame&) override {
        frames.emplace_back();
        readFramePixels(WIDTH, HEIGHT, frames.back());
        return true;
    }
    std::vector<Pixels> frames;
};

// Pixels that differ, counted apart where the panels cover the window and elsewhere.
std::pair<int, int> changedInsideOutside(const Pixels& a, const Pixels& b) {
    const EditorLayout layout = editorLayout(WIDTH, HEIGHT);
    int inside = 0;
    int outside = 0;
    for (int32_t y = 0; y < HEIGHT; ++y) {
        for (int32_t x = 0; x < WIDTH; ++x) {
            const size_t at = (static_cast<size_t>(y) * WIDTH + x) * 4;
            if (a[at] == b[at] && a[at + 1] == b[at + 1] && a[at + 2] == b[at + 2]) continue;
            const bool covered = layout.covers(static_cast<float>(x), static_cast<float>(HEIGHT - 1 - y));
            (covered ? inside : outside) += 1;
        }
    }
    return {inside, outside};
}

// Named GL state the show relies on from frame to frame.
std::vector<std::pair<std::string, double>> glState() {
    std::vector<std::pair<std::string, double>> state;
    const std::pair<const char*, GLenum> enables[] = {{"blend", GL_BLEND},
                                                      {"depth test", GL_DEPTH_TEST},
                                                      {"cull", GL_CULL_FACE},
                                                      {"lighting", GL_LIGHTING},
                                                      {"texture 2D", GL_TEXTURE_2D},
                                                      {"scissor", GL_SCISSOR_TEST},
                                                      {"texgen s", GL_TEXTURE_GEN_S},
                                                      {"colour material", GL_COLOR_MATERIAL},
                                                      {"vertex array", GL_VERTEX_ARRAY},
                                                      {"colour array", GL_COLOR_ARRAY},
                                                      {"texcoord array", GL_TEXTURE_COORD_ARRAY}};
    for (const auto& [name, capability] : enables) state.emplace_back(name, glIsEnabled(capability));
    const std::pair<const char*, GLenum> integers[] = {{"blend src", GL_BLEND_SRC},
                                                       {"blend dst", GL_BLEND_DST},
                                                       {"texture", GL_TEXTURE_BINDING_2D},
                                                       {"matrix mode", GL_MATRIX_MODE},
                                                       {"shade model", GL_SHADE_MODEL},
                                                       {"depth mask", GL_DEPTH_WRITEMASK},
                                                       {"unpack alignment", GL_UNPACK_ALIGNMENT},
                                                       {"pack alignment", GL_PACK_ALIGNMENT},
                                                       {"read buffer", GL_READ_BUFFER}};
    for (const auto& [name, value] : integers) {
        GLint got[4] = {};
        glGetIntegerv(value, got);
        state.emplace_back(name, got[0]);
    }
    const std::pair<const char*, GLenum> vectors[] = {{"viewport", GL_VIEWPORT},
                                                      {"scissor box", GL_SCISSOR_BOX},
                                                      {"polygon mode", GL_POLYGON_MODE},
                                                      {"colour", GL_CURRENT_COLOR},
                                                      {"texcoord", GL_CURRENT_TEXTURE_COORDS},
                                                      {"modelview", GL_MODELVIEW_MATRIX},
                                                      {"projection", GL_PROJECTION_MATRIX},
                                                      {"texture matrix", GL_TEXTURE_MATRIX}};
    for (const auto& [name, value] : vectors) {
        GLfloat got[16] = {};
        glGetFloatv(value, got);
        for (int i = 0; i < 16; ++i)
            state.emplace_back(name + std::string("[") + std::to_string(i) + "]", got[i]);
    }
    GLint environment = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &environment);
    state.emplace_back("texture environment", environment);
    return state;
}

// What a layer of the show might leave behind at the end of a frame, all of it unusual.
void leaveUnusualState() {
    glColor4f(0.25f, 0.5f, 0.75f, 0.5f);
    glTexCoord2f(0.3f, 0.7f);
    glEnable(GL_TEXTURE_GEN_S);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_ADD);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 2);
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glScalef(2.0f, 3.0f, 1.0f);
}

class EditorOverlayOnTheShow : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(context.ok());
        ASSERT_EQ(chdir(FLASHSTEP_DATA_PARENT), 0);
        window.keys = &keys;
        RunPlan plan;
        plan.clock = FrameClock::FixedStep;  // a virtual clock, no sound device
        player = std::make_unique<Player>(plan);
        ASSERT_TRUE(player->open(window, keys, shell));
        player->seek(BUSY_MOMENT_MS);
        feed.paused = true;  // the strip's view stays put
        overlay = std::make_unique<EditorOverlay>(feed, *player, window);
        overlay->waitForNotes();
    }
    void TearDown() override {
        overlay.reset();
        if (player) player->close();
    }

    PlayerFrame frame() { return PlayerFrame{window, shell, player->nextFrame(), *player}; }
    // The overlay drawn once more with this input, and what it asked for.
    std::vector<EditorAction> pointer(float x, float y, bool down, bool shift = false, float wheel = 0.0f) {
        ImGuiIO& io = ImGui::GetIO();
        io.MousePos = {x, y};
        io.MouseDown[0] = down;
        io.KeyShift = shift;
        io.MouseWheel = wheel;
        overlay->frameDrawn(frame());
        return overlay->takeActions();
    }

    GlContext context;
    KeyState keys;
    GLWindow window;
    TestShell shell;
    EditorFeed feed;
    std::unique_ptr<Player> player;
    std::unique_ptr<EditorOverlay> overlay;
};

TEST_F(EditorOverlayOnTheShow, LeavesTheGlStateAndTheRandomSequenceAsTheShowLeftThem) {
    player->frame(0);
    leaveUnusualState();
    const auto before = glState();
    const uint32_t randomBefore = randomState();
    const uint64_t drawsBefore = randomDrawCount();
    overlay->frameDrawn(frame());
    const auto after = glState();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    ASSERT_EQ(before.size(), after.size());
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(before[i].second, after[i].second) << before[i].first;
    EXPECT_EQ(randomState(), randomBefore);
    EXPECT_EQ(randomDrawCount(), drawsBefore);
    resetGlState();
}

TEST_F(EditorOverlayOnTheShow, ChangesNoPixelOutsideItsPanelsNorAnyOfTheFramesAfterIt) {
    FrameReader plain;
    const std::shared_ptr<const Moment> moment = player->keep();
    player->addObserver(plain);
    player->frame(0);
    player->frame(0);
    player->removeObserver(plain);

    FrameReader overlaid;
    player->returnTo(*moment);
    player->addObserver(*overlay);
    player->addObserver(overlaid);
    player->frame(0);
    player->removeObserver(*overlay);
    player->frame(0);
    player->removeObserver(overlaid);

    ASSERT_EQ(plain.frames.size(), 2u);
    ASSERT_EQ(overlaid.frames.size(), 2u);
    const auto [inside, outside] = changedInsideOutside(plain.frames[0], overlaid.frames[0]);
    EXPECT_GT(inside, 20000);
    EXPECT_EQ(outside, 0);
    EXPECT_TRUE(plain.frames[1] == overlaid.frames[1]) << "the frame after the overlay differs";

    // Paused: hidden, the redraw is the last frame the overlay saw; shown, the panels over it.
    overlay->toggle();
    overlay->redraw(shell);
    Pixels redrawn;
    readFramePixels(WIDTH, HEIGHT, redrawn);
    EXPECT_TRUE(redrawn == plain.frames[0]) << "the paused redraw is not the frame";
    overlay->toggle();
    overlay->redraw(shell);
    readFramePixels(WIDTH, HEIGHT, redrawn);
    const auto [insideAgain, outsideAgain] = changedInsideOutside(plain.frames[0], redrawn);
    EXPECT_GT(insideAgain, 20000);  // the frame times move on with the clock: not the same count
    EXPECT_EQ(outsideAgain, 0);
}

TEST_F(EditorOverlayOnTheShow, TheStripSeeksWhereClickedLoopsWhereShiftDraggedAndZoomsAroundThePointer) {
    const EditorLayout layout = editorLayout(WIDTH, HEIGHT);
    const float y = layout.timeline.y + 20.0f;
    pointer(0.0f, 0.0f, false);
    const std::vector<EditorAction> press = pointer(320.0f, y, true);
    ASSERT_EQ(press.size(), 1u);
    EXPECT_EQ(press[0].kind, EditorActionKind::Scrub);
    const double half = press[0].ms;
    EXPECT_NEAR(half, 141240.0 / 2.0, 141240.0 / WIDTH);
    const std::vector<EditorAction> drag = pointer(330.0f, y, true);
    ASSERT_EQ(drag.size(), 1u);
    EXPECT_NEAR(drag[0].ms - half, 10.0 * 141240.0 / WIDTH, 1.0);
    const std::vector<EditorAction> release = pointer(330.0f, y, false);
    ASSERT_EQ(release.size(), 1u);
    EXPECT_EQ(release[0].kind, EditorActionKind::ScrubEnd);

    pointer(100.0f, y, true, true);
    pointer(200.0f, y, true, true);
    const std::vector<EditorAction> loop = pointer(200.0f, y, false, true);
    ASSERT_EQ(loop.size(), 1u);
    EXPECT_EQ(loop[0].kind, EditorActionKind::SetLoop);
    EXPECT_NEAR(loop[0].ms, 100.0 * 141240.0 / WIDTH, 1.0);
    EXPECT_NEAR(loop[0].endMs, 200.0 * 141240.0 / WIDTH, 1.0);

    pointer(320.0f, y, false, false, 3.0f);
    const double pivot = pointer(320.0f, y, true)[0].ms;
    pointer(320.0f, y, false);
    const double aside = pointer(420.0f, y, true)[0].ms;
    pointer(420.0f, y, false);
    EXPECT_NEAR(pivot, half, 1.0);
    EXPECT_NEAR(aside - pivot, 100.0 * 141240.0 / WIDTH * 0.512, 2.0);
}

}  // namespace
