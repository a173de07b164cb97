// One glReadPixels of the whole frame, with packing that leaves no row padding.
#include "gfx/FrameReadback.h"

#include <GL/gl.h>

#include <cstddef>

void readFramePixels(int32_t width, int32_t height, std::vector<uint8_t>& pixels) {
    readPicturePixels(0, 0, width, height, pixels);
}

void readPicturePixels(int32_t x, int32_t y, int32_t width, int32_t height, std::vector<uint8_t>& pixels) {
    pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
}
