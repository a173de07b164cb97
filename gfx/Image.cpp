// Which decoder a picture file goes to: its first eight bytes decide. A file that
// cannot be opened says so here, with the player's long-standing message.
#include "gfx/Image.h"

#include <png.h>

#include <cstdio>

#include "base/RegularFile.h"
#include "gfx/Diagnostics.h"

namespace {

constexpr size_t SIGNATURE_BYTES = 8;

enum class PictureFormat { Unreadable, Png, Jpeg };

PictureFormat formatOf(const char* fileName) {
    std::FILE* file = openRegularStream(fileName);
    if (file == nullptr) return PictureFormat::Unreadable;
    png_byte signature[SIGNATURE_BYTES] = {};
    const size_t got = std::fread(signature, 1, SIGNATURE_BYTES, file);
    std::fclose(file);
    // Short or empty files are the JPEG decoder's to report, as always.
    if (got == SIGNATURE_BYTES && png_sig_cmp(signature, 0, SIGNATURE_BYTES) == 0) return PictureFormat::Png;
    return PictureFormat::Jpeg;
}

}  // namespace

PixelBlock loadImage(const char* fileName, int32_t& width, int32_t& height, int32_t& bytesPerPixel) {
    switch (formatOf(fileName)) {
        case PictureFormat::Unreadable:
            reportOpenFailed(fileName);
            return nullptr;
        case PictureFormat::Png:
            return loadPng(fileName, width, height, bytesPerPixel);
        default:
            return loadJpeg(fileName, width, height, bytesPerPixel);
    }
}
