// PNG decoding through libpng into RGBA blocks, bottom row first. libpng's own
// transformations bring every colour type, bit depth and interlacing to 8-bit RGBA;
// its errors come back through its jump buffer and its messages go out as ours.
#include <png.h>

#include <cstdio>
#include <memory>
#include <new>

#include "gfx/Diagnostics.h"
#include "base/RegularFile.h"
#include "gfx/Image.h"
#include "gfx/ImageLimits.h"

namespace {

constexpr int RGBA_BYTES = 4;

// What the decode has allocated so far. Plain data: the recovery jump skips
// destructors, so everything a jump must release is reachable from here.
struct DecodedPng {
    uint8_t* rgba = nullptr;
    png_bytep* rows = nullptr;
    uint32_t width = 0;
    uint32_t height = 0;
};

void pngError(png_structp png, png_const_charp message) {
    reportPngError(static_cast<const char*>(png_get_error_ptr(png)), message);
    png_longjmp(png, 1);
}

void pngWarning(png_structp png, png_const_charp message) {
    reportPngWarning(static_cast<const char*>(png_get_error_ptr(png)), message);
}

// Palette, gray, 16-bit and transparency-chunk forms all become 8-bit RGBA;
// a picture without alpha gets 255. Interlaced passes are combined by libpng.
void requestRgba(png_structp png, png_infop info) {
    png_set_expand(png);
    png_set_scale_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
}

// Allocates the block and the row table, the file's first row pointing at the
// block's last. False when memory runs out.
bool allocateRows(DecodedPng& picture, const char* fileName) {
    const size_t stride = static_cast<size_t>(picture.width) * RGBA_BYTES;
    picture.rgba = new (std::nothrow) uint8_t[stride * picture.height];
    picture.rows = new (std::nothrow) png_bytep[picture.height];
    if (picture.rgba == nullptr || picture.rows == nullptr) {
        reportOutOfMemory(fileName);
        return false;
    }
    for (uint32_t y = 0; y < picture.height; ++y)
        picture.rows[y] = picture.rgba + static_cast<size_t>(picture.height - 1 - y) * stride;
    return true;
}

void releaseRows(DecodedPng& picture) {
    delete[] picture.rows;
    picture.rows = nullptr;
    delete[] picture.rgba;
    picture.rgba = nullptr;
}

// The one function that holds the recovery point. Reads the header, refuses a
// picture beyond the size limit before anything is allocated for it, then the rows.
bool decodeFile(std::FILE* file, const char* fileName, DecodedPng& picture) {
    png_structp png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, const_cast<char*>(fileName), pngError, pngWarning);
    if (png == nullptr) return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png)) != 0) {
        png_destroy_read_struct(&png, &info, nullptr);
        releaseRows(picture);
        return false;
    }
    png_init_io(png, file);
    png_read_info(png, info);
    picture.width = png_get_image_width(png, info);
    picture.height = png_get_image_height(png, info);
    bool decoded = false;
    if (!pictureSizeAllowed(picture.width, picture.height)) {
        reportPictureTooLarge(fileName, picture.width, picture.height);
    } else {
        requestRgba(png, info);
        if (png_get_rowbytes(png, info) != static_cast<size_t>(picture.width) * RGBA_BYTES)
            png_error(png, "the transformed rows are not 8-bit RGBA");
        decoded = allocateRows(picture, fileName);
        // The picture is complete once its rows are read; whatever follows them is not needed.
        if (decoded) png_read_image(png, picture.rows);
    }
    png_destroy_read_struct(&png, &info, nullptr);
    return decoded;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

PixelBlock loadPng(const char* fileName, int32_t& width, int32_t& height, int32_t& bytesPerPixel) {
    const std::unique_ptr<std::FILE, FileCloser> file(openRegularStream(fileName));
    if (file == nullptr) {
        reportOpenFailed(fileName);
        return nullptr;
    }
    DecodedPng picture;
    if (!decodeFile(file.get(), fileName, picture)) {
        releaseRows(picture);
        return nullptr;
    }
    delete[] picture.rows;
    width = static_cast<int32_t>(picture.width);
    height = static_cast<int32_t>(picture.height);
    bytesPerPixel = RGBA_BYTES;
    return PixelBlock(picture.rgba);
}
