// libjpeg compression of 8-bit rows, top row first (the file's natural order).
#include "generator/JpegWriter.h"

#include <jpeglib.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

uint8_t toByte(float v) {
    return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
}

std::vector<uint8_t> canvasBytes(const Canvas& canvas) {
    std::vector<uint8_t> bytes;
    bytes.reserve(canvas.pixels.size() * 3);
    for (const Rgb& p : canvas.pixels) {
        bytes.push_back(toByte(p.r));
        bytes.push_back(toByte(p.g));
        bytes.push_back(toByte(p.b));
    }
    return bytes;
}

std::vector<uint8_t> maskBytes(const Mask& mask) {
    std::vector<uint8_t> bytes;
    bytes.reserve(mask.values.size());
    for (float v : mask.values) bytes.push_back(toByte(v));
    return bytes;
}

bool compress(const std::string& path, const std::vector<uint8_t>& bytes, int width, int height,
              int components, int quality) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = components;
    info.in_color_space = components == 3 ? JCS_RGB : JCS_GRAYSCALE;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    // Full-resolution chroma: 4:2:0 would smear the coloured edges of thin letters.
    for (int c = 0; c < info.num_components; ++c) {
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }
    info.optimize_coding = TRUE;
    jpeg_start_compress(&info, TRUE);
    const size_t rowBytes = static_cast<size_t>(width) * components;
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<uint8_t*>(bytes.data() + info.next_scanline * rowBytes);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const bool flushed = std::fflush(file) == 0;
    return std::fclose(file) == 0 && flushed;
}

}  // namespace

bool writeJpeg(const std::string& path, const Canvas& canvas, int quality) {
    return compress(path, canvasBytes(canvas), canvas.width, canvas.height, 3, quality);
}

bool writeJpeg(const std::string& path, const Mask& mask, int quality) {
    return compress(path, maskBytes(mask), mask.width, mask.height, 1, quality);
}
