// Picture decoding: JPEG and PNG files to 8-bit RGBA blocks, bottom row first, so
// that the block goes to glTexImage2D unchanged and t = 1 is the top of the picture.
// Diagnostics go to standard error; nothing here touches GL.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>

using PixelBlock = std::unique_ptr<uint8_t[]>;

// The decoder is chosen by the file's first bytes, never by its name: a PNG
// signature goes to loadPng, anything else to loadJpeg. On success writes the size
// and bytesPerPixel (always 4) and returns the RGBA block; null on failure.
PixelBlock loadImage(const char* fileName, int32_t& width, int32_t& height, int32_t& bytesPerPixel);

// What a picture file's first bytes say it is; the file is read from its start and
// left there again. Other (short, empty, neither signature) goes to the JPEG decoder.
enum class PictureSignature { Png, Jpeg, Other };
PictureSignature pictureSignature(std::FILE* file);
// Alpha is 255 for every pixel; only a mask changes it.
PixelBlock loadJpeg(const char* fileName, int32_t& width, int32_t& height, int32_t& bytesPerPixel);
// Any PNG (gray, palette, 16-bit, interlaced) as 8-bit RGBA; its alpha channel (or
// transparency chunk) becomes the block's alpha, 255 where the file has none.
PixelBlock loadPng(const char* fileName, int32_t& width, int32_t& height, int32_t& bytesPerPixel);
