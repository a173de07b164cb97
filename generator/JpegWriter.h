// Writes pictures as baseline JPEG files with libjpeg: a Canvas as colour (no
// chroma subsampling, so thin coloured text stays sharp) and a Mask as grayscale.
// Values are clamped to 0..1 and rounded. Returns false if the file can't be opened
// or closed; libjpeg's own fatal errors end the program with its message.
#pragma once

#include <string>

#include "generator/Raster.h"

constexpr int JPEG_QUALITY = 90;

bool writeJpeg(const std::string& path, const Canvas& canvas, int quality = JPEG_QUALITY);
bool writeJpeg(const std::string& path, const Mask& mask, int quality = JPEG_QUALITY);
