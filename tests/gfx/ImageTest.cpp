// The JPEG decoder: RGBA output, row order, the failure table with its exact
// messages, and the size limit. No GL needed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/Image.h"
#include "gfx/ImageLimits.h"
#include "tests/gfx/Decoded.h"
#include "tests/support/JpegWriter.h"
#include "tests/support/TempDir.h"

namespace {

// Sets the width and height fields of the first baseline frame header.
std::string withClaimedSize(std::string jpeg, unsigned width, unsigned height) {
    const size_t frame = jpeg.find("\xFF\xC0");
    jpeg[frame + 5] = static_cast<char>(height >> 8);
    jpeg[frame + 6] = static_cast<char>(height & 0xFF);
    jpeg[frame + 7] = static_cast<char>(width >> 8);
    jpeg[frame + 8] = static_cast<char>(width & 0xFF);
    return jpeg;
}

// A second frame header after the scan: fatal only when the decode finishes, so
// the recovery must also release the rows already decoded.
std::string withSecondFrameAtTheEnd(const std::string& jpeg) {
    const size_t frame = jpeg.find("\xFF\xC0");
    const size_t length =
        (static_cast<uint8_t>(jpeg[frame + 2]) << 8) | static_cast<uint8_t>(jpeg[frame + 3]);
    return jpeg.substr(0, jpeg.size() - 2) + jpeg.substr(frame, length + 2) + "\xFF\xD9";
}

void expectAllPixels(const Decoded& d, int red, int green, int blue) {
    for (int p = 0; p < d.width * d.height; ++p) {
        const uint8_t* px = d.pixels.get() + p * 4;
        ASSERT_NEAR(px[0], red, 2) << "pixel " << p;
        ASSERT_NEAR(px[1], green, 2) << "pixel " << p;
        ASSERT_NEAR(px[2], blue, 2) << "pixel " << p;
        ASSERT_EQ(px[3], 255) << "pixel " << p;
    }
}

}  // namespace

TEST(LoadImage, DecodesGrayAndColourToOpaqueRgbaWhateverTheExtension) {
    struct Case {
        const char* name;
        std::string bytes;
        int red, green, blue;
    };
    const Case cases[] = {
        {"gray.jpg", grayJpeg(16, 8, 100), 100, 100, 100},
        {"colour.jpg", colourJpeg(16, 16, 200, 40, 90), 200, 40, 90},
        {"colour.dat", colourJpeg(9, 5, 10, 220, 130), 10, 220, 130},
    };
    TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Decoded d = decode(dir.write(c.name, c.bytes));
        ASSERT_NE(d.pixels, nullptr);
        EXPECT_EQ(d.errors, "");
        EXPECT_EQ(d.bytesPerPixel, 4);
        expectAllPixels(d, c.red, c.green, c.blue);
    }
}

TEST(LoadImage, PutsTheTopOfThePictureInTheLastRow) {
    TempDir dir;
    const Decoded d = decode(dir.write("whiteOverBlack.jpg", encodeJpeg(1, 2, 1, {255, 0})));
    ASSERT_NE(d.pixels, nullptr);
    ASSERT_EQ(d.width, 1);
    ASSERT_EQ(d.height, 2);
    EXPECT_LT(d.pixels[0], 30);
    EXPECT_GT(d.pixels[4], 225);
}

TEST(LoadImage, FailuresPrintTheirMessageReturnNullAndWriteNothing) {
    TempDir dir;
    const std::string jpeg = grayJpeg(16, 16, 50);
    struct Case {
        std::string path;
        std::string errors;
    };
    const std::string missing = dir.file("missing.jpg");
    const std::string huge = dir.write("huge.jpg", withClaimedSize(jpeg, 65000, 65000));
    // 1 GB as RGBA from a file of a few megabytes: more than a 640 x 480 show can use.
    const std::string square = dir.write("square.jpg", withClaimedSize(jpeg, 16000, 16000));
    const Case cases[] = {
        {missing, "error open JPEG file \"" + missing + "\"\n"},
        {dir.write("text.jpg", "hello, world\n"), "Not a JPEG file: starts with 0x68 0x65\n"},
        {dir.write("empty.jpg", ""), "Empty input file\n"},
        {dir.write("headerOnly.jpg", jpeg.substr(0, 20)),
         "Premature end of JPEG file\nJPEG datastream contains no image\n"},
        {dir.write("twoFrames.jpg", withSecondFrameAtTheEnd(jpeg)),
         "Invalid JPEG file structure: two SOF markers\n"},
        {huge, "picture too large (65000 x 65000 pixels): \"" + huge + "\"\n"},
        {square, "picture too large (16000 x 16000 pixels): \"" + square + "\"\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        expectRefused(decode(c.path), c.errors);
    }
}

TEST(LoadImage, FourComponentPictureIsRefusedSilentlyWithItsSizeWritten) {
    TempDir dir;
    const Decoded d = decode(dir.write("cmyk.jpg", encodeJpeg(4, 3, 4, std::vector<uint8_t>(4 * 3 * 4, 60))));
    EXPECT_EQ(d.pixels, nullptr);
    EXPECT_EQ(d.errors, "");
    EXPECT_EQ(d.width, 4);
    EXPECT_EQ(d.height, 3);
    EXPECT_EQ(d.bytesPerPixel, 4);
}

TEST(LoadImage, TruncatedDataWarnsOnceAndStillGivesTheWholePicture) {
    TempDir dir;
    std::vector<uint8_t> noise(64 * 64);
    for (size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<uint8_t>(i * 7919 % 251);
    const std::string jpeg = encodeJpeg(64, 64, 1, noise);
    const Decoded d = decode(dir.write("cut.jpg", jpeg.substr(0, jpeg.size() / 2)));
    ASSERT_NE(d.pixels, nullptr);
    EXPECT_EQ(d.errors, "Premature end of JPEG file\n");
    EXPECT_EQ(d.width, 64);
    EXPECT_EQ(d.height, 64);
}

TEST(LoadImage, SizeLimitAcceptsExactlyTheLimitAndRefusesOnePixelMore) {
    TempDir dir;
    const std::string path = dir.write("limit.jpg", grayJpeg(64, 32, 10));
    const uint64_t saved = maxPicturePixels;
    maxPicturePixels = 64 * 32;
    EXPECT_NE(decode(path).pixels, nullptr);
    maxPicturePixels = 64 * 32 - 1;
    const Decoded refused = decode(path);
    maxPicturePixels = saved;
    EXPECT_EQ(refused.pixels, nullptr);
    EXPECT_EQ(refused.errors, "picture too large (64 x 32 pixels): \"" + path + "\"\n");
}

TEST(PictureLimits, AtMost16384OnASideAnd2To26Pixels) {
    EXPECT_TRUE(pictureSizeAllowed(16384, 4096));
    EXPECT_TRUE(pictureSizeAllowed(8192, 8192));
    EXPECT_FALSE(pictureSizeAllowed(16384, 4097)) << "one row over the pixel count";
    EXPECT_FALSE(pictureSizeAllowed(16385, 1)) << "a side over the limit, however thin";
    EXPECT_FALSE(pictureSizeAllowed(1, 16385));
    EXPECT_FALSE(pictureSizeAllowed(UINT32_MAX, UINT32_MAX)) << "no wrap-around to a small product";
}
