// Mask merge arithmetic: which mask pixel gives each picture pixel its alpha.
// Knows nothing of files, decoding or GL.
#include "gfx/AlphaMask.h"

#include <cstddef>

namespace {

// Mask column (or row) sampled for picture column (or row) i. A mask at least as
// large steps by the truncated integer ratio and leaves any rest unread; a smaller
// one would get a ratio of 0, so it is sampled by nearest neighbour over its whole
// extent instead, which never reaches past its edge.
size_t maskCoordinate(int32_t i, int32_t size, int32_t maskSize) {
    const int32_t step = maskSize / size;
    if (step > 0) return static_cast<size_t>(i) * static_cast<size_t>(step);
    return static_cast<size_t>(static_cast<int64_t>(i) * maskSize / size);
}

}  // namespace

void mergeAlphaMask(uint8_t* pixels, int32_t width, int32_t height, const uint8_t* mask, int32_t maskWidth,
                    int32_t maskHeight) {
    if (width <= 0 || height <= 0 || maskWidth <= 0 || maskHeight <= 0) return;
    for (int32_t j = 0; j < height; ++j) {
        const size_t maskRow = maskCoordinate(j, height, maskHeight) * static_cast<size_t>(maskWidth);
        uint8_t* row = pixels + static_cast<size_t>(j) * static_cast<size_t>(width) * 4;
        for (int32_t i = 0; i < width; ++i) {
            const size_t maskPixel = maskRow + maskCoordinate(i, width, maskWidth);
            row[static_cast<size_t>(i) * 4 + 3] = mask[maskPixel * 4];
        }
    }
}

bool hasTranslucentPixel(const uint8_t* pixels, int32_t width, int32_t height) {
    if (width <= 0 || height <= 0) return false;
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    for (size_t k = 0; k < count; ++k) {
        if (pixels[k * 4 + 3] != 0xFF) return true;
    }
    return false;
}
