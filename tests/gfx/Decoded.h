// A picture decoded through loadImage for a test, with what the decoder wrote to
// its size arguments (UNWRITTEN where it wrote nothing) and what it printed; and
// the check that a refusal wrote nothing.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/Image.h"

constexpr int32_t UNWRITTEN = -7;

struct Decoded {
    PixelBlock pixels;
    int32_t width = UNWRITTEN;
    int32_t height = UNWRITTEN;
    int32_t bytesPerPixel = UNWRITTEN;
    std::string errors;

    // RGBA of pixel (x, y), y counted from the top of the picture as in the file.
    std::vector<int> at(int x, int y) const {
        const uint8_t* px = pixels.get() + ((height - 1 - y) * width + x) * 4;
        return {px[0], px[1], px[2], px[3]};
    }
};

inline Decoded decode(const std::string& path) {
    Decoded result;
    testing::internal::CaptureStderr();
    result.pixels = loadImage(path.c_str(), result.width, result.height, result.bytesPerPixel);
    result.errors = testing::internal::GetCapturedStderr();
    return result;
}

// No picture, the message given, and nothing written to the size arguments.
inline void expectRefused(const Decoded& d, const std::string& errors) {
    EXPECT_EQ(d.pixels, nullptr);
    EXPECT_EQ(d.errors, errors);
    EXPECT_EQ(d.width, UNWRITTEN);
    EXPECT_EQ(d.height, UNWRITTEN);
    EXPECT_EQ(d.bytesPerPixel, UNWRITTEN);
}
