// Test pictures made on the spot with libjpeg's compressor, so every decoder test
// knows exactly what its file holds. Samples are given top row first, as in a file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// components: 1 (gray), 3 (RGB) or 4 (CMYK). Quality 100, no chroma subsampling.
std::string encodeJpeg(int width, int height, int components, const std::vector<uint8_t>& samples);
// A width x height picture of one gray value or one colour.
std::string grayJpeg(int width, int height, uint8_t gray);
std::string colourJpeg(int width, int height, uint8_t red, uint8_t green, uint8_t blue);
// 16 x 16 gray, left half white and right half black; whole 8 x 8 blocks keep it exact.
std::string halvesJpeg();
