// Which decoder a picture file goes to: its first eight bytes decide. A file that
// cannot be opened says so here, with the player's long-standing message.
#include "gfx/Image.h"

#include <png.h>

#include <cstdio>

#include "base/RegularFile.h"
#include "gfx/Diagnostics.h"

namespace {

constexpr size_t SIGNATURE_BYTES = 8;

}  // namespace

PictureSignature pictureSignature(std::FILE* file) {
    png_byte signature[SIGNATURE_BYTES] = {};
    const size_t got = std::fread(signature, 1, SIGNATURE_BYTES, file);
    std::rewind(file);
    if (got == SIGNATURE_BYTES && png_sig_cmp(signature, 0, SIGNATURE_BYTES) == 0)
        return PictureSignature::Png;
    if (got >= 2 && signature[0] == 0xFF && signature[1] == 0xD8) return PictureSignature::Jpeg;
    return PictureSignature::Other;
}

PixelBlock loadImage(const char* fileName, int32_t& width, int32_t& height, int32_t& bytesPerPixel) {
    std::FILE* file = openRegularStream(fileName);
    if (file == nullptr) {
        reportOpenFailed(fileName);
        return nullptr;
    }
    const PictureSignature signature = pictureSignature(file);
    std::fclose(file);
    // Short or empty files are the JPEG decoder's to report, as always.
    if (signature == PictureSignature::Png) return loadPng(fileName, width, height, bytesPerPixel);
    return loadJpeg(fileName, width, height, bytesPerPixel);
}
