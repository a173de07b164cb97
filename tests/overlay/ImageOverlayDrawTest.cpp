// The overlay drawn on a real GL context: its random draws per frame, a still
// picture added onto the scene, pieces mode revealing exactly its rectangles, and a
// PNG laid over the scene through its own transparency.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <vector>

#include "base/Random.h"
#include "overlay/ImageOverlay.h"
#include "tests/overlay/OverlayFixture.h"
#include "tests/support/PngWriter.h"

namespace {

TEST_F(OverlayTest, DrawTakesTwoRandomNumbersPerCallWhateverIsShown) {
    ImageOverlay& o = makeOverlay();
    o.draw();
    EXPECT_EQ(randomDrawCount(), 2u);
    for (int i = 0; i < o.count; ++i) {
        o.visible[i] = true;
        o.mode[i] = i % 4;
        o.piecesShown[i] = 1;
    }
    o.draw();
    EXPECT_EQ(randomDrawCount(), 4u);
}

TEST_F(OverlayTest, VisibleStillPictureIsAddedOntoTheSceneAtItsFadeLevel) {
    ImageOverlay& o = makeOverlay();
    o.visible[1] = true;
    for (float level : {1.0f, 0.5f}) {
        glClearColor(0.2f, 0.2f, 0.2f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        o.fadeLevel[1] = level;
        o.draw();
        Rgb expected{};
        for (int c = 0; c < 3; ++c) expected[c] = static_cast<uint8_t>(51 + level * FLAT_COLOUR[c]);
        for (auto [x, y] : {std::pair{2, 2}, {320, 240}, {637, 477}}) {
            EXPECT_TRUE(pixelNear(gl.pixelAt(x, y), expected)) << level << " at " << x << ", " << y;
        }
    }
}

// Screen points inside and just outside the two pieces of the quarters picture.
struct Probe {
    int x, y;
    int piece;  // -1: outside both pieces
    Rgb colour;
};
const Probe PROBES[] = {
    {160, 120, 0, TOP_LEFT},     {42, 42, 0, TOP_LEFT},       {277, 197, 0, TOP_LEFT}, {37, 37, -1, {}},
    {283, 120, -1, {}},          {160, 203, -1, {}},          {480, 120, -1, {}},      {160, 360, -1, {}},
    {480, 360, 1, BOTTOM_RIGHT}, {597, 437, 1, BOTTOM_RIGHT}, {603, 443, -1, {}},      {357, 360, -1, {}},
};

TEST_F(OverlayTest, PiecesModeRevealsExactlyTheShownPiecesInPlace) {
    ImageOverlay& o = makeOverlay();
    o.visible[QUARTERS_PICTURE] = true;
    o.mode[QUARTERS_PICTURE] = MODE_PIECES;
    // Slots past the picture's two pieces hold a full-screen rectangle that must never show.
    PieceSet& set = o.pieces[QUARTERS_PICTURE];
    for (int j = 2; j < PieceSet::MAX_PIECES; ++j) set.x1[j] = set.y1[j] = 0.0f, set.x2[j] = set.y2[j] = 1.0f;
    const struct {
        int32_t piecesShown;
        int piecesLit;
    } cases[] = {{0, 0}, {1, 1}, {2, 2}, {5, 2}, {-1, 0}};
    for (const auto& c : cases) {
        glClear(GL_COLOR_BUFFER_BIT);
        o.piecesShown[QUARTERS_PICTURE] = c.piecesShown;
        o.draw();
        for (const Probe& p : PROBES) {
            const bool lit = p.piece >= 0 && p.piece < c.piecesLit;
            EXPECT_TRUE(pixelNear(gl.pixelAt(p.x, p.y), lit ? p.colour : Rgb{}))
                << "piecesShown " << c.piecesShown << " at " << p.x << ", " << p.y;
        }
    }
}

}  // namespace

namespace {

// A PNG's own transparency is its mask: opaque parts cover the scene, clear parts show it, and
// half-clear parts mix the two; the same colours without transparency would be added instead.
TEST_F(OverlayTest, APngWithTransparencyIsLaidOverTheSceneThroughIt) {
    const Rgb colour = {200, 40, 120};
    const uint8_t alphas[3] = {255, 0, 128};  // top, middle and bottom thirds
    std::vector<uint8_t> rgba;
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 48; ++x)
            rgba.insert(rgba.end(), {colour[0], colour[1], colour[2], alphas[y / 16]});
    }
    dir.write("data/own.png", rgbaPng(48, 48, rgba));
    std::vector<PictureLoad> pictures = ImageOverlay::pictureLoads();
    pictures[6] = {"data/own.png", ""};
    overlay = std::make_unique<ImageOverlay>(store, pictures);
    ImageOverlay& o = *overlay;
    ASSERT_TRUE(o.textures[6]->ownTransparency);
    EXPECT_FALSE(o.textures[1]->ownTransparency) << "a JPEG has none";
    o.visible[6] = true;
    glClearColor(0.2f, 0.2f, 0.2f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    o.draw();
    const Rgb scene = {51, 51, 51};
    Rgb half{};
    for (int c = 0; c < 3; ++c) half[c] = static_cast<uint8_t>((colour[c] * 128 + 51 * 127) / 255);
    for (int x : {4, 320, 635}) {
        EXPECT_TRUE(pixelNear(gl.pixelAt(x, 80), colour)) << "opaque, at " << x;
        EXPECT_TRUE(pixelNear(gl.pixelAt(x, 240), scene)) << "clear, at " << x;
        EXPECT_TRUE(pixelNear(gl.pixelAt(x, 400), half)) << "half clear, at " << x;
    }
}

}  // namespace
