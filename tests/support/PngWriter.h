// Test pictures in PNG made on the spot with libpng's writer, in any colour type,
// bit depth and interlacing, so every decoder test knows what its file holds.
// Samples are given top row first, as in a file, packed as PNG packs them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PngPicture {
    int width = 0;
    int height = 0;
    int colourType = 0;  // PNG_COLOR_TYPE_...
    int bitDepth = 8;
    bool interlaced = false;
    std::vector<uint8_t> samples;       // rows of packed samples; 16-bit samples big-endian
    std::vector<uint8_t> palette;       // RGB triples, for the palette type
    std::vector<uint8_t> paletteAlpha;  // a transparency chunk for palette entries
};

std::string encodePng(const PngPicture& picture);
// An 8-bit RGBA picture from RGBA bytes, top row first.
std::string rgbaPng(int width, int height, const std::vector<uint8_t>& rgba);
