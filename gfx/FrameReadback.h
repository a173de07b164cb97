// Reading a finished frame back from the GL: the whole colour buffer as RGBA,
// rows packed, bottom row first. Capture, frame hashes and tests share it.
#pragma once

#include <cstdint>
#include <vector>

// Resizes `pixels` to width x height x 4 and fills it from the current read buffer.
void readFramePixels(int32_t width, int32_t height, std::vector<uint8_t>& pixels);
// The same for the part of the frame from (x, y), lower left, width x height.
void readPicturePixels(int32_t x, int32_t y, int32_t width, int32_t height, std::vector<uint8_t>& pixels);
