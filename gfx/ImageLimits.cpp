// The decoder's size limit. Only the arithmetic lives here; the decoder applies it.
#include "gfx/ImageLimits.h"

#include <cstddef>
#include <cstdint>

uint64_t maxPicturePixels = uint64_t{1} << 28;

bool pictureSizeAllowed(uint64_t width, uint64_t height) {
    // JPEG sides are below 2^16, so the product cannot wrap; larger sides are refused first.
    if (width > UINT32_MAX || height > UINT32_MAX) return false;
    const uint64_t pixels = width * height;
    if (pixels > maxPicturePixels) return false;
    return pixels <= INT32_MAX / 4 && pixels <= SIZE_MAX / 4;
}
