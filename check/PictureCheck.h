// Findings on the show's pictures and masks: each file is opened and its JPEG header read, which
// tells whether it decodes (gray or RGB, 8-bit samples, within the size limit) without decoding a
// single pixel.
#pragma once

#include <string>
#include <vector>

#include "check/Finding.h"
#include "gfx/ImagePrefetch.h"

// Why a picture file will not decode; empty when it will.
struct PictureVerdict {
    bool opened = false;
    std::string problem;
};

PictureVerdict readPictureHeader(const char* fileName);

// One finding per file that will not decode, in the order the show loads them, each file once.
std::vector<Finding> checkPictures(const std::vector<PictureLoad>& loads);
