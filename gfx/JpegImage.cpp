// JPEG decoding through libjpeg's 6b interface into RGBA blocks, bottom row first.
// Fatal library errors come back through a saved jump point; warnings stay with
// the library's standard manager. No GL here.
#include "gfx/Image.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <new>

// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

#include "base/RegularFile.h"
#include "gfx/Diagnostics.h"
#include "gfx/ImageLimits.h"

namespace {

// The library's error manager extended by the recovery point of the decode in
// progress; the library hands back a pointer to `manager`, hence it comes first.
struct JpegErrorRecord {
    jpeg_error_mgr manager = {};
    std::jmp_buf recoveryPoint = {};
    void (*writeMessage)(j_common_ptr) = nullptr;  // the library's own writer
};

// What the library delivered, in the file's own component count, bottom row first.
// Plain data: the recovery jump skips destructors, so nothing here may have one.
struct DecodedPicture {
    uint8_t* samples = nullptr;
    uint32_t width = 0;
    uint32_t height = 0;
    int components = 0;
};

// The library's warnings and errors, unless this thread holds its messages back.
void jpegOutputMessage(j_common_ptr info) {
    if (holdBackMessage()) return;
    (*reinterpret_cast<JpegErrorRecord*>(info->err)->writeMessage)(info);
}

[[noreturn]] void jpegErrorExit(j_common_ptr info) {
    (*info->err->output_message)(info);
    std::longjmp(reinterpret_cast<JpegErrorRecord*>(info->err)->recoveryPoint, 1);
}

// Reads every scanline into a new block, the file's first scanline becoming its
// last row. May leave through jpegErrorExit, with the block already in `picture`.
bool readRows(jpeg_decompress_struct& info, DecodedPicture& picture, const char* fileName) {
    picture.width = info.image_width;
    picture.height = info.image_height;
    picture.components = info.output_components;
    const size_t rowLength = static_cast<size_t>(info.output_width) * info.output_components;
    const size_t blockStride = static_cast<size_t>(info.image_width) * info.output_components;
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               static_cast<JDIMENSION>(rowLength), 1);
    picture.samples = new (std::nothrow) uint8_t[blockStride * info.image_height];
    if (picture.samples == nullptr) {
        reportOutOfMemory(fileName);
        return false;
    }
    size_t r = info.image_height;
    while (info.output_scanline < info.output_height && r > 0) {
        // A stdio source never suspends; should a read still bring nothing, stop and
        // let finishing the decode report the missing rows.
        if (jpeg_read_scanlines(&info, row, 1) != 1) break;
        --r;
        std::copy(row[0], row[0] + rowLength, picture.samples + r * blockStride);
    }
    return true;
}

// The one function that holds the recovery point; it owns no C++ object with a
// destructor, and everything a jump must release is reachable from its arguments.
bool decodeFile(std::FILE* file, const char* fileName, DecodedPicture& picture) {
    jpeg_decompress_struct info = {};
    JpegErrorRecord errors;
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = jpegErrorExit;
    errors.writeMessage = errors.manager.output_message;
    errors.manager.output_message = jpegOutputMessage;
    if (setjmp(errors.recoveryPoint) != 0) {
        jpeg_destroy_decompress(&info);
        delete[] picture.samples;
        picture.samples = nullptr;
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    // Refused before the library sizes its own buffers for it, too.
    if (!pictureSizeAllowed(info.image_width, info.image_height)) {
        reportPictureTooLarge(fileName, info.image_width, info.image_height);
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_start_decompress(&info);
    if (!readRows(info, picture, fileName)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

// RGBA with alpha 255 from gray or RGB samples; null for any other component count.
PixelBlock toRgba(const DecodedPicture& picture, const char* fileName) {
    if (picture.components != 1 && picture.components != 3) return nullptr;
    const size_t pixelCount = static_cast<size_t>(picture.width) * picture.height;
    PixelBlock rgba(new (std::nothrow) uint8_t[pixelCount * 4]);
    if (rgba == nullptr) {
        reportOutOfMemory(fileName);
        return nullptr;
    }
    const size_t step = static_cast<size_t>(picture.components);
    const size_t green = picture.components == 3 ? 1 : 0;
    const size_t blue = picture.components == 3 ? 2 : 0;
    for (size_t p = 0; p < pixelCount; ++p) {
        const uint8_t* in = picture.samples + p * step;
        uint8_t* out = rgba.get() + p * 4;
        out[0] = in[0];
        out[1] = in[green];
        out[2] = in[blue];
        out[3] = 255;
    }
    return rgba;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

PixelBlock loadJpeg(const char* fileName, int32_t& width, int32_t& height, int32_t& bytesPerPixel) {
    const std::unique_ptr<std::FILE, FileCloser> file(openRegularStream(fileName));
    if (file == nullptr) {
        reportOpenFailed(fileName);
        return nullptr;
    }
    DecodedPicture picture;
    const bool decoded = decodeFile(file.get(), fileName, picture);
    const std::unique_ptr<uint8_t[]> samples(picture.samples);
    if (!decoded) return nullptr;
    width = static_cast<int32_t>(picture.width);
    height = static_cast<int32_t>(picture.height);
    bytesPerPixel = 4;
    return toRgba(picture, fileName);
}
