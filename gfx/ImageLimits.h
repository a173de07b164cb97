// The largest picture the decoder accepts. A header claiming more is refused
// before any block is allocated, so no block size can overflow.
#pragma once

#include <cstdint>

// Pixels on a side.
inline constexpr uint64_t MAX_PICTURE_SIDE = 16384;

// Pixels per picture. 2^26 (16384 x 4096) is far beyond anything a 640 x 480 show
// draws and keeps the decode of one picture well below 1 GB. A variable so that
// the fuzzer can keep its runs small.
extern uint64_t maxPicturePixels;

// True when a width x height picture, at 4 bytes per pixel, fits both limits.
bool pictureSizeAllowed(uint64_t width, uint64_t height);
