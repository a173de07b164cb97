// Encodes test pictures in memory through libjpeg's compressor.
#include "tests/support/JpegWriter.h"

#include <jpeglib.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

std::string encodeJpeg(int width, int height, int components, const std::vector<uint8_t>& samples) {
    if (samples.size() != static_cast<size_t>(width) * height * components)
        throw std::invalid_argument("samples");
    jpeg_compress_struct info = {};
    jpeg_error_mgr errors = {};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = components;
    info.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 3 ? JCS_RGB : JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    for (int c = 0; c < info.num_components; ++c) {
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(&info, TRUE);
    const size_t stride = static_cast<size_t>(width) * components;
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(samples.data() + info.next_scanline * stride);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string bytes(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return bytes;
}

std::string grayJpeg(int width, int height, uint8_t gray) {
    return encodeJpeg(width, height, 1, std::vector<uint8_t>(static_cast<size_t>(width) * height, gray));
}

std::string colourJpeg(int width, int height, uint8_t red, uint8_t green, uint8_t blue) {
    std::vector<uint8_t> samples;
    for (int p = 0; p < width * height; ++p) samples.insert(samples.end(), {red, green, blue});
    return encodeJpeg(width, height, 3, samples);
}

std::string halvesJpeg() {
    std::vector<uint8_t> gray(16 * 16);
    for (size_t i = 0; i < gray.size(); ++i) gray[i] = i % 16 < 8 ? 255 : 0;
    return encodeJpeg(16, 16, 1, gray);
}
