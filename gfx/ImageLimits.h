// The largest picture the decoder accepts. A header claiming more is refused
// before any block is allocated, so no block size can overflow.
#pragma once

#include <cstdint>

// Pixels per picture; 1 << 28 is far beyond any real picture and keeps an RGBA
// block below 2^30 bytes. A variable so that the fuzzer can keep its runs small.
extern uint64_t maxPicturePixels;

// True when a width x height picture, at 4 bytes per pixel, fits the limit.
bool pictureSizeAllowed(uint64_t width, uint64_t height);
