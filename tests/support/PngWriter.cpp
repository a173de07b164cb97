// Encodes test pictures in memory through libpng's writer.
#include "tests/support/PngWriter.h"

#include <png.h>

#include <stdexcept>

namespace {

void appendBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::string*>(png_get_io_ptr(png));
    out->append(reinterpret_cast<const char*>(data), length);
}

void flushNothing(png_structp) {}

size_t rowBytes(const PngPicture& p) {
    const int channels = p.colourType == PNG_COLOR_TYPE_RGB_ALPHA    ? 4
                         : p.colourType == PNG_COLOR_TYPE_RGB        ? 3
                         : p.colourType == PNG_COLOR_TYPE_GRAY_ALPHA ? 2
                                                                     : 1;
    return (static_cast<size_t>(p.width) * channels * p.bitDepth + 7) / 8;
}

// Holds libpng's jump point, so it owns nothing with a destructor; false when libpng
// refused the picture (its default handler has said why).
bool writeRows(png_structp png, png_infop info, const PngPicture& p, std::string* out, png_color* colours,
               int colourCount, png_bytepp rows) {
    if (setjmp(png_jmpbuf(png)) != 0) return false;
    png_set_write_fn(png, out, appendBytes, flushNothing);
    png_set_IHDR(png, info, p.width, p.height, p.bitDepth, p.colourType,
                 p.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (colourCount > 0) png_set_PLTE(png, info, colours, colourCount);
    if (!p.paletteAlpha.empty())
        png_set_tRNS(png, info, p.paletteAlpha.data(), static_cast<int>(p.paletteAlpha.size()), nullptr);
    png_set_rows(png, info, rows);
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    return true;
}

}  // namespace

std::string encodePng(const PngPicture& p) {
    const size_t stride = rowBytes(p);
    if (p.samples.size() != stride * p.height) throw std::invalid_argument("samples");
    std::vector<png_color> colours;
    for (size_t i = 0; i + 2 < p.palette.size(); i += 3)
        colours.push_back({p.palette[i], p.palette[i + 1], p.palette[i + 2]});
    std::vector<png_bytep> rows;
    for (int y = 0; y < p.height; ++y)
        rows.push_back(const_cast<png_bytep>(p.samples.data() + static_cast<size_t>(y) * stride));
    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    const bool written =
        writeRows(png, info, p, &out, colours.data(), static_cast<int>(colours.size()), rows.data());
    png_destroy_write_struct(&png, &info);
    if (!written) throw std::invalid_argument("libpng refused the test picture");
    return out;
}

std::string rgbaPng(int width, int height, const std::vector<uint8_t>& rgba) {
    return encodePng({width, height, PNG_COLOR_TYPE_RGB_ALPHA, 8, false, rgba, {}, {}});
}
