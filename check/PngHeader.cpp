// PNG headers through libpng. Fatal errors come back through libpng's jump buffer, as in the
// decoder; the jump skips no destructor, for the reading function owns none.
#include "check/PngHeader.h"

#include <png.h>

#include "gfx/ImageLimits.h"

namespace {

struct PngMessage {
    std::string text;
};

void keepErrorAndLeave(png_structp png, png_const_charp message) {
    static_cast<PngMessage*>(png_get_error_ptr(png))->text = message;
    png_longjmp(png, 1);
}

void holdWarning(png_structp, png_const_charp) {}

// False, with libpng's message, when the header cannot be read.
bool readSize(std::FILE* file, png_uint_32& width, png_uint_32& height, PngMessage& message) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &message, keepErrorAndLeave, holdWarning);
    if (png == nullptr) {
        message.text = "out of memory";
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png)) != 0) {
        png_destroy_read_struct(&png, &info, nullptr);
        if (message.text.empty()) message.text = "out of memory";
        return false;
    }
    png_init_io(png, file);
    png_read_info(png, info);
    width = png_get_image_width(png, info);
    height = png_get_image_height(png, info);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

}  // namespace

std::string pngHeaderProblem(std::FILE* file) {
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    PngMessage message;
    if (!readSize(file, width, height, message)) return message.text;
    if (!pictureSizeAllowed(width, height))
        return std::to_string(width) + " x " + std::to_string(height) +
               " pixels is beyond the decoder's size limit";
    return "";
}
