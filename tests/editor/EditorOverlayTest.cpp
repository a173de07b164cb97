// The editor on the generated show and a real Mesa context: drawing it leaves the
// show's GL state and random sequence as they were, its picture has an area of its
// own (exactly 640 x 480 in the default window, the whole window with the panels
// hidden, larger when the window grows) where no panel changes a pixel, a paused
// redraw gives the picture back exactly, and the strip turns the pointer into
// snapped seeks, loops and edits of the script's events.
#include <GL/gl.h>
#include <gtest/gtest.h>
#include <imgui.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/Random.h"
#include "editor/EditorLayout.h"
#include "editor/EditorOverlay.h"
#include "editor/ShowNotes.h"
#include "editor/TimelineLanes.h"
#include "gfx/FrameReadback.h"
#include "player/Moment.h"
#include "player/Player.h"
#include "script/DemoScript.h"
#include "tests/support/GlContext.h"
#include "tests/support/TestShell.h"

namespace {

constexpr double BUSY_MOMENT_MS = 100000.0;  // most layers on and a picture
constexpr int32_t WIDTH = 1200;              // the editor's window on a 1600 x 1000 desktop
constexpr int32_t HEIGHT = 750;
constexpr double QUARTER_BEAT_MS = 120.0;    // at the generated show's 125 bpm

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

// Pixels that differ, counted apart inside the picture's box and outside it.
std::pair<int, int> changedInsideOutside(const Pixels& a, const Pixels& b, const PixelBox& picture) {
    int inside = 0;
    int outside = 0;
    for (int32_t y = 0; y < HEIGHT; ++y) {
        for (int32_t x = 0; x < WIDTH; ++x) {
            const size_t at = (static_cast<size_t>(y) * WIDTH + x) * 4;
            if (a[at] == b[at] && a[at + 1] == b[at + 1] && a[at + 2] == b[at + 2]) continue;
            const bool in = x >= picture.x && x < picture.x + picture.width && y >= picture.y &&
                            y < picture.y + picture.height;
            (in ? inside : outside) += 1;
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
        window.width = WIDTH;
        window.height = HEIGHT;
        RunPlan plan;
        plan.clock = FrameClock::FixedStep;  // a virtual clock, no sound device
        player = std::make_unique<Player>(plan);
        ASSERT_TRUE(player->open(window, keys, shell));
        player->seek(BUSY_MOMENT_MS);
        feed.paused = true;  // the strip's view stays put
        overlay = std::make_unique<EditorOverlay>(feed, *player, window);
        overlay->placePicture(*player);
        overlay->waitForNotes();
        notes = readShowNotes(DemoScript::SCRIPT_FILE, {});
    }
    void TearDown() override {
        overlay.reset();
        if (player) player->close();
    }

    PlayerFrame frame() { return PlayerFrame{window, shell, player->nextFrame(), *player}; }
    // The overlay drawn once more with this input, and what it asked for.
    std::vector<EditorAction> pointer(float x, float y, bool down, bool shift = false, float wheel = 0.0f,
                                      bool alt = false) {
        ImGuiIO& io = ImGui::GetIO();
        io.MousePos = {x, y};
        io.MouseDown[0] = down;
        io.KeyShift = shift;
        io.KeyAlt = alt;
        io.MouseWheel = wheel;
        overlay->frameDrawn(frame());
        return overlay->takeActions();
    }
    // Where the strip's plot starts and how wide it is, and the song time at x of it.
    float plotLeft() const { return StripRows::NAMES; }
    float plotWidth() const { return WIDTH - StripRows::NAMES; }
    double msAt(float x) const { return (x - plotLeft()) / plotWidth() * notes.timeline.endSeconds * 1000.0; }
    // On whole pixels, as Dear ImGui takes the pointer.
    float xOf(double seconds) const {
        return std::floor(plotLeft() + static_cast<float>(seconds / notes.timeline.endSeconds) * plotWidth());
    }
    // Height of the middle of a row of the strip.
    float rowY(StripLane lane, int32_t index) const {
        StripRows rows;
        rows.top = overlay->layout().timeline.y + EditorLayout::EDGE;
        rows.switchCount = static_cast<int32_t>(notes.timeline.switches.size());
        rows.pictureCount = static_cast<int32_t>(notes.timeline.pictures.size());
        return rows.rowTop(lane, index) + rows.lane() / 2.0f;
    }

    GlContext context{WIDTH, HEIGHT};
    KeyState keys;
    GLWindow window;
    TestShell shell;
    EditorFeed feed;
    std::unique_ptr<Player> player;
    std::unique_ptr<EditorOverlay> overlay;
    ShowNotes notes;
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

TEST_F(EditorOverlayOnTheShow, ThePictureHasAnAreaOfItsOwnThatGrowsWithTheWindowAndIsWholeWhenThePanelsHide) {
    // The upper left corner, exactly 640 x 480, in the window a 1600 x 1000 desktop opens.
    EXPECT_TRUE(pictureArea().box() == (PixelBox{0, HEIGHT - 480, 640, 480}));
    EXPECT_FLOAT_EQ(pictureArea().scale, 1.0f);
    const EditorLayout layout = overlay->layout();
    for (float x = 0.5f; x < 640.0f; x += 13.0f) {
        for (float y = 0.5f; y < 480.0f; y += 11.0f) ASSERT_FALSE(layout.covers(x, y)) << x << ", " << y;
    }
    // A larger window: the panels keep their sizes, the picture takes the room.
    window.width = WIDTH + 160;
    window.height = HEIGHT + 120;
    EXPECT_TRUE(overlay->placePicture(*player));
    EXPECT_TRUE(pictureArea().box() == (PixelBox{0, HEIGHT + 120 - 600, 800, 600}));
    EXPECT_FALSE(overlay->placePicture(*player)) << "nothing changed, nothing to move";
    // Hidden panels: the largest 4:3 picture in the whole window, centred.
    overlay->toggle();
    EXPECT_TRUE(overlay->placePicture(*player));
    EXPECT_TRUE(pictureArea().box() == (PixelBox{100, 0, 1160, 870}));
    overlay->toggle();
    window.width = WIDTH;
    window.height = HEIGHT;
    overlay->placePicture(*player);
}

TEST_F(EditorOverlayOnTheShow, ChangesNoPixelOfThePictureNorAnyOfTheFramesAfterIt) {
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
    const PixelBox picture = pictureArea().box();
    const auto [inside, outside] = changedInsideOutside(plain.frames[0], overlaid.frames[0], picture);
    EXPECT_EQ(inside, 0);
    EXPECT_GT(outside, 200000);
    const auto [insideAfter, outsideAfter] = changedInsideOutside(plain.frames[1], overlaid.frames[1], picture);
    EXPECT_EQ(insideAfter, 0) << "the frame after the overlay differs";

    // Paused: the redraw puts the picture the overlay last saw back, pixel for pixel.
    overlay->redraw(shell);
    Pixels redrawn;
    readFramePixels(WIDTH, HEIGHT, redrawn);
    EXPECT_EQ(changedInsideOutside(plain.frames[0], redrawn, picture).first, 0);
}

TEST_F(EditorOverlayOnTheShow, StripPicksSnapToTheGridUnlessAltIsHeldAndShiftDragSetsTheLoop) {
    const float y = rowY(StripLane::Waveform, 0);
    pointer(0.0f, 0.0f, false);
    for (const float x : {300.0f, 517.0f, 853.0f}) {
        const std::vector<EditorAction> press = pointer(x, y, true);
        ASSERT_EQ(press.size(), 1u);
        EXPECT_EQ(press[0].kind, EditorActionKind::Scrub);
        EXPECT_EQ(std::fmod(press[0].ms, QUARTER_BEAT_MS), 0.0) << press[0].ms;
        EXPECT_LE(std::abs(press[0].ms - msAt(x)), QUARTER_BEAT_MS / 2.0 + 1.0);
        const std::vector<EditorAction> release = pointer(x, y, false);
        ASSERT_EQ(release.size(), 1u);
        EXPECT_EQ(release[0].kind, EditorActionKind::ScrubEnd);
    }
    const std::vector<EditorAction> free = pointer(517.0f, y, true, false, 0.0f, true);
    ASSERT_EQ(free.size(), 1u);
    EXPECT_NEAR(free[0].ms, msAt(517.0f), 1.0);
    EXPECT_NE(std::fmod(free[0].ms, QUARTER_BEAT_MS), 0.0);
    pointer(517.0f, y, false);

    feed.gridUnit = GridUnit::Pattern;  // 1920 ms
    pointer(200.0f, y, true, true);
    pointer(400.0f, y, true, true);
    const std::vector<EditorAction> loop = pointer(400.0f, y, false, true);
    ASSERT_EQ(loop.size(), 1u);
    EXPECT_EQ(loop[0].kind, EditorActionKind::SetLoop);
    EXPECT_EQ(std::fmod(loop[0].ms, 1920.0), 0.0);
    EXPECT_EQ(std::fmod(loop[0].endMs, 1920.0), 0.0);
    EXPECT_LE(std::abs(loop[0].ms - msAt(200.0f)), 960.0);
    EXPECT_LE(std::abs(loop[0].endMs - msAt(400.0f)), 960.0);

    pointer(600.0f, y, false, false, 3.0f);
    feed.gridUnit = GridUnit::QuarterBeat;
    const double pivot = pointer(600.0f, y, true)[0].ms;
    pointer(600.0f, y, false);
    EXPECT_LE(std::abs(pivot - msAt(600.0f)), QUARTER_BEAT_MS / 2.0 + 1.0) << "the wheel zooms around the pointer";
}

TEST_F(EditorOverlayOnTheShow, AnEventIsSelectedDraggedToTheGridDeletedAndALayerSwitchedByADoubleClick) {
    // The first event of the first switch lane, its mark on the strip.
    const SwitchLane& lane = notes.timeline.switches[0];
    ASSERT_FALSE(lane.events.empty());
    const int32_t event = lane.events[0];
    const double at = notes.timeline.events[static_cast<std::size_t>(event)].seconds;
    const float y = rowY(StripLane::Switch, 0);
    pointer(0.0f, 0.0f, false);
    EXPECT_TRUE(pointer(xOf(at), y, true).empty()) << "taking an event is no seek";
    pointer(xOf(at) + 60.0f, y, true);
    const std::vector<EditorAction> drop = pointer(xOf(at) + 60.0f, y, false);
    ASSERT_EQ(drop.size(), 1u);
    EXPECT_EQ(drop[0].kind, EditorActionKind::MoveEvent);
    ASSERT_EQ(drop[0].events, std::vector<int32_t>{event});
    EXPECT_EQ(std::fmod(drop[0].ms, QUARTER_BEAT_MS), 0.0);
    EXPECT_LE(std::abs(drop[0].ms - msAt(xOf(at) + 60.0f)), QUARTER_BEAT_MS / 2.0 + 1.0);
    ASSERT_NE(drop[0].basis, nullptr);
    EXPECT_EQ(*drop[0].basis, *notes.scriptBytes);

    // The event stays selected; Delete asks for it to go.
    ImGuiIO& io = ImGui::GetIO();
    io.KeyMap[ImGuiKey_Delete] = 100;
    io.KeysDown[100] = true;
    const std::vector<EditorAction> removed = pointer(10.0f, 10.0f, false);
    io.KeysDown[100] = false;
    ASSERT_EQ(removed.size(), 1u);
    EXPECT_EQ(removed[0].kind, EditorActionKind::DeleteEvents);
    EXPECT_EQ(removed[0].events, std::vector<int32_t>{event});

    // A double click where the layer is off, away from any event: switched on there.
    const Span& first = lane.spans[0];
    const double off = first.on / 2.0;
    ASSERT_GT(xOf(first.on) - xOf(off), 10.0f);
    std::vector<EditorAction> twice;
    for (const bool down : {true, false, true, false}) {
        const std::vector<EditorAction> asked = pointer(xOf(off), y, down);
        twice.insert(twice.end(), asked.begin(), asked.end());
    }
    const auto insert = std::find_if(twice.begin(), twice.end(),
                                     [](const EditorAction& a) { return a.kind == EditorActionKind::InsertEvent; });
    ASSERT_NE(insert, twice.end());
    EXPECT_EQ(insert->keyword, lane.keyword);
    EXPECT_EQ(insert->argument, "on");
    EXPECT_LE(std::abs(insert->ms - off * 1000.0), QUARTER_BEAT_MS / 2.0 + 1.0);
}

}  // namespace
