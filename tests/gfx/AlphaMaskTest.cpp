// The mask merge arithmetic: integer step ratios for masks at least as large as
// the picture, nearest neighbour for smaller ones, colour bytes untouched.
#include <gtest/gtest.h>

#include <vector>

#include "gfx/AlphaMask.h"

namespace {

// A mask whose red byte at (x, y) is 10 * y + x, so every alpha names its source.
std::vector<uint8_t> numberedMask(int width, int height) {
    std::vector<uint8_t> mask(static_cast<size_t>(width) * height * 4, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) mask[(static_cast<size_t>(y) * width + x) * 4] = 10 * y + x;
    return mask;
}

}  // namespace

TEST(MergeAlphaMask, SamplesTheMaskByStepRatioOrNearestNeighbourPerAxis) {
    struct Case {
        const char* name;
        int width, height, maskWidth, maskHeight;
        std::vector<int> alpha;  // picture row by row, bottom row first
    };
    const Case cases[] = {
        {"same size", 2, 2, 2, 2, {0, 1, 10, 11}},
        {"twice as large", 2, 2, 4, 4, {0, 2, 20, 22}},
        {"rest beyond the last step unread", 2, 2, 5, 5, {0, 2, 20, 22}},
        {"half as large", 4, 2, 2, 1, {0, 0, 1, 1, 0, 0, 1, 1}},
        {"larger across, smaller down", 3, 4, 6, 2, {0, 2, 4, 0, 2, 4, 10, 12, 14, 10, 12, 14}},
        {"one pixel mask", 3, 1, 1, 1, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<uint8_t> pixels(static_cast<size_t>(c.width) * c.height * 4, 77);
        const std::vector<uint8_t> mask = numberedMask(c.maskWidth, c.maskHeight);
        mergeAlphaMask(pixels.data(), c.width, c.height, mask.data(), c.maskWidth, c.maskHeight);
        for (size_t p = 0; p < c.alpha.size(); ++p) {
            EXPECT_EQ(pixels[p * 4 + 3], c.alpha[p]) << "pixel " << p;
            EXPECT_EQ(pixels[p * 4], 77);
            EXPECT_EQ(pixels[p * 4 + 1], 77);
            EXPECT_EQ(pixels[p * 4 + 2], 77);
        }
    }
}

TEST(MergeAlphaMask, TinyMaskOverLargePictureStaysInsideTheMask) {
    // Heap blocks of exact size: a read past the mask shows under AddressSanitizer.
    const int width = 1000;
    const int height = 3;
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 4, 0);
    const std::vector<uint8_t> mask = numberedMask(3, 2);
    mergeAlphaMask(pixels.data(), width, height, mask.data(), 3, 2);
    EXPECT_EQ(pixels[3], 0);
    EXPECT_EQ(pixels[(width - 1) * 4 + 3], 2);
    EXPECT_EQ(pixels[(static_cast<size_t>(height) * width - 1) * 4 + 3], 12);
}
