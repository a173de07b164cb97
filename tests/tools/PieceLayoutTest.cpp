// Reveal rectangles: margins around the ink, clipping to the screen, and no two
// pieces overlapping (the player would add the overlap twice).
#include <gtest/gtest.h>

#include "tools/datagen/PieceLayout.h"

namespace {

bool inside(const TextBox& inner, const TextBox& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

}  // namespace

TEST(PieceLayout, GrowsEachInkBoxByTheMarginAndClipsToTheScreen) {
    const std::vector<TextBox> pieces = padPieces({{100, 100, 200, 140}, {5, 450, 630, 478}}, 14, 640, 480);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].left, 86);
    EXPECT_EQ(pieces[0].top, 86);
    EXPECT_EQ(pieces[0].right, 214);
    EXPECT_EQ(pieces[0].bottom, 154);
    EXPECT_EQ(pieces[1].left, 0);
    EXPECT_EQ(pieces[1].right, 640);
    EXPECT_EQ(pieces[1].bottom, 480);
}

TEST(PieceLayout, CutsOverlappingNeighboursApartBetweenTheirInk) {
    const struct {
        const char* name;
        std::vector<TextBox> ink;
    } cases[] = {
        {"lines close above each other", {{100, 100, 500, 130}, {120, 140, 480, 170}}},
        {"words close side by side", {{100, 200, 250, 260}, {262, 200, 400, 260}}},
        {"three stacked lines", {{50, 100, 590, 130}, {50, 138, 590, 168}, {50, 176, 590, 206}}},
        {"given bottom line first", {{120, 140, 480, 170}, {100, 100, 500, 130}}},
    };
    for (const auto& c : cases) {
        const std::vector<TextBox> pieces = padPieces(c.ink, 14, 640, 480);
        for (size_t i = 0; i < pieces.size(); ++i) {
            EXPECT_TRUE(inside(c.ink[i], pieces[i])) << c.name << " piece " << i;
            for (size_t j = i + 1; j < pieces.size(); ++j) {
                EXPECT_FALSE(overlaps(pieces[i], pieces[j])) << c.name << " pieces " << i << " and " << j;
            }
        }
    }
}
