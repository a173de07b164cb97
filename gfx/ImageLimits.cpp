// The decoder's size limit. Only the arithmetic lives here; the decoder applies it.
#include "gfx/ImageLimits.h"

// Even a square of the largest side stays an RGBA block whose byte count fits 32 bits.
static_assert(MAX_PICTURE_SIDE * MAX_PICTURE_SIDE * 4 <= INT32_MAX, "block sizes stay below 2^31");

uint64_t maxPicturePixels = uint64_t{1} << 26;

bool pictureSizeAllowed(uint64_t width, uint64_t height) {
    // Sides are checked first, so the product below cannot wrap.
    if (width > MAX_PICTURE_SIDE || height > MAX_PICTURE_SIDE) return false;
    return width * height <= maxPicturePixels;
}
