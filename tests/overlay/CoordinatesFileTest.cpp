// The piece-rectangle reader: the block format, replacement of earlier blocks, a
// missing file, and files that break the format's limits (indices, piece counts,
// long words, huge numbers), which must never write outside the picture arrays.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>

#include "overlay/CoordinatesFile.h"
#include "tests/support/TempDir.h"

namespace {

// The arrays with a set on each side, to catch writes past either end.
struct GuardedSets {
    PieceSet before;
    PieceSets sets;
    PieceSet after;
};

// Every set starts as the overlay's default: one full-screen piece.
PieceSet fullScreenPiece() {
    PieceSet set;
    set.pieceCount = 1;
    set.x2[0] = 1.0f;
    set.y2[0] = 1.0f;
    return set;
}

bool same(const PieceSet& a, const PieceSet& b) {
    return std::memcmp(&a, &b, sizeof(PieceSet)) == 0;
}

class OverlayCoordinatesTest : public ::testing::Test {
protected:
    void SetUp() override {
        guarded.before = guarded.after = fullScreenPiece();
        for (PieceSet& set : guarded.sets) set = fullScreenPiece();
    }

    void read(const std::string& contents) {
        ASSERT_TRUE(readCoordinatesFile(dir.write("coords.txt", contents).c_str(), guarded.sets));
    }

    void expectPiece(int picture, int piece, float x1, float y1, float x2, float y2) {
        const PieceSet& set = guarded.sets[picture];
        EXPECT_FLOAT_EQ(set.x1[piece], x1);
        EXPECT_FLOAT_EQ(set.y1[piece], y1);
        EXPECT_FLOAT_EQ(set.x2[piece], x2);
        EXPECT_FLOAT_EQ(set.y2[piece], y2);
    }

    // Pictures not named in the file keep their default piece, and nothing beside the arrays changes.
    void expectOnlyChanged(std::initializer_list<int> pictures) {
        for (int i = 0; i < ImageOverlay::MAX_IMAGES; ++i) {
            if (std::find(pictures.begin(), pictures.end(), i) != pictures.end()) continue;
            EXPECT_TRUE(same(guarded.sets[i], fullScreenPiece())) << "picture " << i;
        }
        EXPECT_TRUE(same(guarded.before, fullScreenPiece()));
        EXPECT_TRUE(same(guarded.after, fullScreenPiece()));
    }

    TempDir dir;
    GuardedSets guarded;
};

TEST_F(OverlayCoordinatesTest, BlockGivesPictureItsPiecesInScreenFractions) {
    read("skipped words 7\nnew 12\n0 0 320 240\n320 0\t640 240 end trailing");
    EXPECT_EQ(guarded.sets[12].pieceCount, 2);
    expectPiece(12, 0, 0.0f, 0.0f, 0.5f, 0.5f);
    expectPiece(12, 1, 0.5f, 0.0f, 1.0f, 0.5f);
    expectOnlyChanged({12});
}

TEST_F(OverlayCoordinatesTest, SecondBlockForSamePictureReplacesFromFirstPiece) {
    read("new 3 0 0 320 240 320 0 640 240 end new 3 64 48 128 96 end");
    EXPECT_EQ(guarded.sets[3].pieceCount, 1);
    expectPiece(3, 0, 0.1f, 0.1f, 0.2f, 0.2f);
    expectOnlyChanged({3});
}

TEST_F(OverlayCoordinatesTest, MissingFileLeavesEveryPictureAsItWas) {
    EXPECT_FALSE(readCoordinatesFile(dir.file("absent.txt").c_str(), guarded.sets));
    expectOnlyChanged({});
}

TEST_F(OverlayCoordinatesTest, BlocksForPicturesOutsideArraysAreReadAndDropped) {
    read(
        "new 20 0 0 64 48 end new -1 0 0 64 48 end new 99999999999 0 0 64 48 end\n"
        "new 7 0 0 64 48 end new 18 0 0 64 48 end new 19 64 48 128 96 end");
    EXPECT_EQ(guarded.sets[7].pieceCount, 1);
    expectPiece(7, 0, 0.0f, 0.0f, 0.1f, 0.1f);
    // The two slots past the 18 pictures are inside the arrays and keep their blocks.
    expectPiece(18, 0, 0.0f, 0.0f, 0.1f, 0.1f);
    expectPiece(19, 0, 0.1f, 0.1f, 0.2f, 0.2f);
    expectOnlyChanged({7, 18, 19});
}

TEST_F(OverlayCoordinatesTest, PiecesPastTheTenthAreReadAndDropped) {
    std::string block = "new 2";
    for (int piece = 0; piece < 13; ++piece) block += " " + std::to_string(piece * 10) + " 0 640 480";
    read(block + " end new 4 0 0 320 240 end");
    EXPECT_EQ(guarded.sets[2].pieceCount, 10);
    expectPiece(2, 9, 90.0f / 640.0f, 0.0f, 1.0f, 1.0f);
    // The block after the long one is read as a block, not swallowed as pieces.
    EXPECT_EQ(guarded.sets[4].pieceCount, 1);
    expectPiece(4, 0, 0.0f, 0.0f, 0.5f, 0.5f);
    expectOnlyChanged({2, 4});
}

TEST_F(OverlayCoordinatesTest, FileEndingInsideBlockKeepsCompletePiecesOnly) {
    read("new 6 0 0 320 240 320 0 640");
    EXPECT_EQ(guarded.sets[6].pieceCount, 1);
    expectPiece(6, 0, 0.0f, 0.0f, 0.5f, 0.5f);
}

TEST_F(OverlayCoordinatesTest, LongWordIsCutButConsumedWhole) {
    // 23 zeros are kept (0); the "640" that follows them must not become a word of its own,
    // and a long word ending in "new" is one word, not a block start.
    read("new 8 " + std::string(23, '0') + "640 0 640 480 end " + std::string(40, 'x') + "new 9 end");
    EXPECT_EQ(guarded.sets[8].pieceCount, 1);
    expectPiece(8, 0, 0.0f, 0.0f, 1.0f, 1.0f);
    expectOnlyChanged({8});
}

TEST_F(OverlayCoordinatesTest, HugeNumbersAreClampedNotOverflowed) {
    read("new 1 99999999999999999999 -99999999999999999999 0 0 end");
    expectPiece(1, 0, static_cast<float>(INT32_MAX) / 640.0f, static_cast<float>(INT32_MIN) / 480.0f, 0, 0);
}

TEST(OverlayParseCoordinateTest, ReadsLeadingSignAndDigitsOnly) {
    const struct {
        const char* word;
        int32_t value;
    } cases[] = {
        {"320", 320},
        {"-5", -5},
        {"+7", 7},
        {"12px", 12},
        {"end", 0},
        {"", 0},
        {"2147483648", INT32_MAX},
        {"-2147483649", INT32_MIN},
    };
    for (const auto& c : cases) EXPECT_EQ(parseCoordinate(c.word), c.value) << '"' << c.word << '"';
}

}  // namespace
