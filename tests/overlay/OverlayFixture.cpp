// Writes the overlay's pictures and switches into their folder for
// the length of one test.
#include "tests/overlay/OverlayFixture.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "base/Random.h"
#include "tests/support/JpegWriter.h"

namespace {

using ColourAt = std::function<Rgb(int x, int y)>;

// Top row first, as JPEG stores it.
void writeJpeg(const std::string& path, int width, int height, const ColourAt& colourAt) {
    std::vector<uint8_t> samples;
    samples.reserve(static_cast<size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb colour = colourAt(x, y);
            samples.insert(samples.end(), {colour[0], colour[1], colour[2]});
        }
    }
    std::ofstream(path, std::ios::binary) << encodeJpeg(width, height, 3, samples);
}

const char* const BLACK_PICTURES[] = {
    "noise",    "title2",   "title3",  "title4",  "title5",  "quorvindale", "musta",   "tekstit1",
    "tekstit2", "tekstit3", "pastaa2", "pastaa3", "pastaa4", "pastaa5",     "pastaa6",
};

void writePictures(const TempDir& dir) {
    std::filesystem::create_directories(dir.file("data"));
    for (const char* name : BLACK_PICTURES) {
        writeJpeg(dir.file(std::string("data/") + name + ".jpg"), 16, 16, [](int, int) { return Rgb{}; });
    }
    writeJpeg(dir.file("data/tekstit-alpha.jpg"), 16, 16, [](int, int) { return Rgb{255, 255, 255}; });
    writeJpeg(dir.file("data/title1.jpg"), 16, 16, [](int, int) { return FLAT_COLOUR; });
    writeJpeg(dir.file("data/pastaa1.jpg"), 64, 64, [](int x, int y) {
        if (y < 32) return x < 32 ? TOP_LEFT : TOP_RIGHT;
        return x < 32 ? BOTTOM_LEFT : BOTTOM_RIGHT;
    });
    // Two pieces well inside the top-left and bottom-right quarters.
    dir.write("data/coords.txt", "new 12\n40 40 280 200\n360 280 600 440\nend\n");
}

}  // namespace

void OverlayTest::SetUp() {
    ASSERT_TRUE(gl.ok());
    writePictures(dir);
    previousDir = std::filesystem::current_path().string();
    ASSERT_EQ(chdir(dir.path().c_str()), 0);
    resetGlState();
    randomSeed(0);
}

void OverlayTest::TearDown() {
    if (!previousDir.empty()) {
        EXPECT_EQ(chdir(previousDir.c_str()), 0);
    }
}

ImageOverlay& OverlayTest::makeOverlay() {
    overlay = std::make_unique<ImageOverlay>(store);
    return *overlay;
}

::testing::AssertionResult pixelNear(const std::array<uint8_t, 4>& pixel, const Rgb& expected) {
    constexpr int TOLERANCE = 6;
    for (int c = 0; c < 3; ++c) {
        if (std::abs(pixel[c] - expected[c]) > TOLERANCE) {
            return ::testing::AssertionFailure()
                   << "pixel (" << int(pixel[0]) << ", " << int(pixel[1]) << ", " << int(pixel[2])
                   << ") expected (" << int(expected[0]) << ", " << int(expected[1]) << ", "
                   << int(expected[2]) << ")";
        }
    }
    return ::testing::AssertionSuccess();
}
