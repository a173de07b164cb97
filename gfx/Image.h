// Picture decoding: JPEG files to 8-bit RGBA blocks, bottom row first, so that the
// block goes to glTexImage2D unchanged and t = 1 is the top of the picture.
// Diagnostics go to standard error; nothing here touches GL.
#pragma once

#include <cstdint>
#include <memory>

using PixelBlock = std::unique_ptr<uint8_t[]>;

// Every picture is JPEG, whatever its extension. On success writes the size and
// bytesPerPixel (always 4) and returns the RGBA block; null on failure.
PixelBlock loadImage(const char* fileName, int32_t& width, int32_t& height, int32_t& bytesPerPixel);
PixelBlock loadJpeg(const char* fileName, int32_t& width, int32_t& height, int32_t& bytesPerPixel);
