// A test fixture for the overlay on a real GL context: writes the overlay's
// picture files into a scratch folder as small JPEGs, works from that folder
// (the overlay loads "data/..." paths) and builds the overlay from them.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "gfx/TextureStore.h"
#include "overlay/ImageOverlay.h"
#include "tests/support/GlContext.h"
#include "tests/support/TempDir.h"

using Rgb = std::array<uint8_t, 3>;

// Picture 1 is one flat colour.
constexpr Rgb FLAT_COLOUR = {100, 60, 20};
// Picture 12 has four flat quarters, named as seen on screen.
constexpr Rgb TOP_LEFT = {160, 0, 0};
constexpr Rgb TOP_RIGHT = {0, 160, 0};
constexpr Rgb BOTTOM_LEFT = {0, 0, 160};
constexpr Rgb BOTTOM_RIGHT = {160, 160, 160};
constexpr int32_t QUARTERS_PICTURE = 12;

class OverlayTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Builds the overlay from the written files, on `store`.
    ImageOverlay& makeOverlay();

    GlContext gl;
    TempDir dir;
    std::string previousDir;
    TextureStore store;
    std::unique_ptr<ImageOverlay> overlay;
};

// True when every channel of the pixel is within a JPEG's rounding of `expected`.
::testing::AssertionResult pixelNear(const std::array<uint8_t, 4>& pixel, const Rgb& expected);
