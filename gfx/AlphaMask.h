// Merging a decoded mask into the alpha bytes of an RGBA picture block.
// Pure arithmetic on two blocks: no files and no GL, so it can be fuzzed alone.
#pragma once

#include <cstdint>

// Both blocks are RGBA, bottom row first. Alpha of picture pixel (i, j) takes the
// red byte of mask pixel (i * maskWidth / width, j * maskHeight / height) with the
// ratio truncated first; colour bytes are untouched.
// True when some pixel of the RGBA block is not fully opaque.
bool hasTranslucentPixel(const uint8_t* pixels, int32_t width, int32_t height);

void mergeAlphaMask(uint8_t* pixels, int32_t width, int32_t height, const uint8_t* mask, int32_t maskWidth,
                    int32_t maskHeight);
