// Writes the overlay's pictures with libjpeg and switches into their folder for
// the length of one test.
#include "tests/overlay/OverlayFixture.h"

#include <jpeglib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <vector>

#include "demo/Random.h"

namespace {

using ColourAt = std::function<Rgb(int x, int y)>;

// Top row first, as JPEG stores it.
void writeJpeg(const std::string& path, int width, int height, const ColourAt& colourAt) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = width;
    info.image_height = height;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(static_cast<size_t>(width) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb colour = colourAt(x, y);
            for (int c = 0; c < 3; ++c) row[x * 3 + c] = colour[c];
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(file);
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
