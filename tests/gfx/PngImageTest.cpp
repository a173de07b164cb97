// The PNG decoder: every colour type, bit depth and interlacing to the same RGBA,
// bottom row first, alpha kept; the decoder chosen by signature, not name; broken
// and oversized files refused with a message. No GL needed.
#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <string>
#include <vector>

#include "gfx/Image.h"
#include "tests/gfx/Decoded.h"
#include "tests/support/JpegWriter.h"
#include "tests/support/PngWriter.h"
#include "tests/support/TempDir.h"

namespace {

// A 2 x 2 picture: top row red opaque, green half-transparent; bottom row blue
// clear, white opaque. Each form below stores exactly these pixels.
const std::vector<std::vector<int>> EXPECTED = {
    {255, 0, 0, 255}, {0, 255, 0, 128}, {0, 0, 255, 0}, {255, 255, 255, 255}};

// Sets a chunk's 4-byte field and fixes the chunk's CRC, so libpng reads the lie.
std::string withIhdrSize(std::string png, uint32_t width, uint32_t height) {
    const size_t ihdr = png.find("IHDR");
    for (int i = 0; i < 4; ++i) {
        png[ihdr + 4 + i] = static_cast<char>(width >> (24 - 8 * i));
        png[ihdr + 8 + i] = static_cast<char>(height >> (24 - 8 * i));
    }
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(png.data() + ihdr), 17);
    for (int i = 0; i < 4; ++i) png[ihdr + 17 + i] = static_cast<char>(crc >> (24 - 8 * i));
    return png;
}

}  // namespace

TEST(LoadPng, EveryColourTypeDepthAndInterlacingGivesTheSameRgba) {
    struct Case {
        const char* name;
        PngPicture picture;
    };
    const Case cases[] = {
        {"rgba8",
         {2,
          2,
          PNG_COLOR_TYPE_RGB_ALPHA,
          8,
          false,
          {255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 255, 0, 255, 255, 255, 255},
          {},
          {}}},
        {"rgba16",
         {2,
          2,
          PNG_COLOR_TYPE_RGB_ALPHA,
          16,
          false,
          {255, 255, 0, 0, 0,   0,   255, 255, 0,   0,   255, 255, 0,   0,   128, 128,
           0,   0,   0, 0, 255, 255, 0,   0,   255, 255, 255, 255, 255, 255, 255, 255},
          {},
          {}}},
        {"palette with transparency",
         {2,
          2,
          PNG_COLOR_TYPE_PALETTE,
          2,
          false,
          {0x10, 0xB0},
          {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255},
          {255, 128, 0}}},
        {"interlaced rgba",
         {2,
          2,
          PNG_COLOR_TYPE_RGB_ALPHA,
          8,
          true,
          {255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 255, 0, 255, 255, 255, 255},
          {},
          {}}},
    };
    TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Decoded d = decode(dir.write("picture.png", encodePng(c.picture)));
        ASSERT_NE(d.pixels, nullptr);
        EXPECT_EQ(d.errors, "");
        EXPECT_EQ(d.width, 2);
        EXPECT_EQ(d.height, 2);
        EXPECT_EQ(d.bytesPerPixel, 4);
        for (int p = 0; p < 4; ++p) EXPECT_EQ(d.at(p % 2, p / 2), EXPECTED[p]) << "pixel " << p;
    }
}

TEST(LoadPng, GrayFormsSpreadToRgbAndPicturesWithoutAlphaAreOpaque) {
    struct Case {
        const char* name;
        PngPicture picture;
        std::vector<std::vector<int>> pixels;  // top row first
    };
    const Case cases[] = {
        {"gray 1-bit",
         {2, 1, PNG_COLOR_TYPE_GRAY, 1, false, {0x80}, {}, {}},
         {{255, 255, 255, 255}, {0, 0, 0, 255}}},
        {"gray 4-bit",
         {2, 1, PNG_COLOR_TYPE_GRAY, 4, false, {0x5F}, {}, {}},
         {{85, 85, 85, 255}, {255, 255, 255, 255}}},
        {"gray 16-bit",
         {2, 1, PNG_COLOR_TYPE_GRAY, 16, false, {0x12, 0x34, 0xFF, 0xFF}, {}, {}},
         {{18, 18, 18, 255}, {255, 255, 255, 255}}},
        {"gray with alpha",
         {2, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, false, {90, 0, 200, 77}, {}, {}},
         {{90, 90, 90, 0}, {200, 200, 200, 77}}},
        {"rgb",
         {1, 2, PNG_COLOR_TYPE_RGB, 8, false, {10, 20, 30, 40, 50, 60}, {}, {}},
         {{10, 20, 30, 255}, {40, 50, 60, 255}}},
    };
    TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Decoded d = decode(dir.write("gray.png", encodePng(c.picture)));
        ASSERT_NE(d.pixels, nullptr);
        for (size_t p = 0; p < c.pixels.size(); ++p)
            EXPECT_EQ(d.at(p % d.width, p / d.width), c.pixels[p]) << "pixel " << p;
    }
}

TEST(LoadPng, InterlacedPassesLandInTheirRowsAtAnOddSize) {
    std::vector<uint8_t> samples;
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 9; ++x) samples.insert(samples.end(), {uint8_t(x * 20), uint8_t(y * 30), 7});
    TempDir dir;
    const Decoded d =
        decode(dir.write("adam7.png", encodePng({9, 7, PNG_COLOR_TYPE_RGB, 8, true, samples, {}, {}})));
    ASSERT_NE(d.pixels, nullptr);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 9; ++x)
            ASSERT_EQ(d.at(x, y), (std::vector<int>{x * 20, y * 30, 7, 255})) << x << "," << y;
}

TEST(LoadImage, TheSignatureChoosesTheDecoderWhateverTheName) {
    TempDir dir;
    const Decoded png = decode(dir.write("really-a-png.jpg", rgbaPng(1, 1, {1, 2, 3, 4})));
    ASSERT_NE(png.pixels, nullptr);
    EXPECT_EQ(png.at(0, 0), (std::vector<int>{1, 2, 3, 4}));
    const Decoded jpeg = decode(dir.write("really-a-jpeg.png", grayJpeg(8, 8, 100)));
    ASSERT_NE(jpeg.pixels, nullptr);
    EXPECT_EQ(jpeg.errors, "");
    EXPECT_NEAR(jpeg.at(3, 3)[0], 100, 2);
    EXPECT_EQ(jpeg.at(3, 3)[3], 255);
}

TEST(LoadPng, BrokenOrOversizedFilesSayWhyReturnNullAndWriteNothing) {
    TempDir dir;
    std::vector<uint8_t> noise(64 * 64 * 4);
    for (size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<uint8_t>(i * 7919 % 251);
    const std::string png = rgbaPng(64, 64, noise);
    std::string badCrc = png;
    badCrc[png.find("IHDR") + 17] ^= 0x55;
    struct Case {
        std::string path;
        std::string errors;
    };
    const std::string cut = dir.write("cut.png", png.substr(0, png.size() / 2));
    const std::string signatureOnly = dir.write("signature.png", png.substr(0, 8));
    const std::string crc = dir.write("crc.png", badCrc);
    const std::string huge = dir.write("huge.png", withIhdrSize(png, 16000, 16000));
    const Case cases[] = {
        {cut, "PNG error in \"" + cut + "\": Read Error\n"},
        {signatureOnly, "PNG error in \"" + signatureOnly + "\": Read Error\n"},
        {crc, "PNG error in \"" + crc + "\": IHDR: CRC error\n"},
        {huge, "picture too large (16000 x 16000 pixels): \"" + huge + "\"\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        expectRefused(decode(c.path), c.errors);
    }
}
