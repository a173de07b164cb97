// libFuzzer targets for picture decoding, built once per decoder (jpeg_fuzz, png_fuzz):
// any bytes go to the decoder as a file, and every picture that decodes is merged as
// an alpha mask into picture blocks smaller, equal and larger than itself. No GL; the
// sanitizers watch the rest.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "gfx/AlphaMask.h"
#include "gfx/Image.h"
#include "gfx/ImageLimits.h"

#if FUZZ_PNG
// A PNG keeps the alpha its file gives.
#define DECODE loadPng
constexpr bool ALWAYS_OPAQUE = false;
#else
#define DECODE loadJpeg
constexpr bool ALWAYS_OPAQUE = true;
#endif

namespace {

// One scratch file per fuzzing process, removed when it exits.
struct ScratchFile {
    ScratchFile() {
        char name[] = "/tmp/flashstep-picture-fuzz-XXXXXX";
        const int fd = mkstemp(name);
        if (fd < 0) std::abort();
        close(fd);
        path = name;
    }
    ~ScratchFile() { unlink(path.c_str()); }
    std::string path;
};

const std::string& scratchPath() {
    static const ScratchFile file;
    return file.path;
}

void writeScratch(const uint8_t* data, size_t size) {
    std::FILE* out = std::fopen(scratchPath().c_str(), "wb");
    if (out == nullptr) std::abort();
    if (size > 0 && std::fwrite(data, 1, size, out) != size) std::abort();
    std::fclose(out);
}

uint8_t colourByte(size_t i) {
    return static_cast<uint8_t>(i * 31 + 7);
}

// The merge may write alpha bytes only, and only mask bytes.
void mergeIntoPicture(int32_t width, int32_t height, const uint8_t* mask, int32_t maskWidth,
                      int32_t maskHeight) {
    std::vector<uint8_t> picture(static_cast<size_t>(width) * height * 4);
    for (size_t i = 0; i < picture.size(); ++i) picture[i] = colourByte(i);
    mergeAlphaMask(picture.data(), width, height, mask, maskWidth, maskHeight);
    for (size_t i = 0; i < picture.size(); ++i) {
        if (i % 4 != 3 && picture[i] != colourByte(i)) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Giant blank pictures only cost time; the limit itself is tested elsewhere.
    maxPicturePixels = uint64_t{1} << 20;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    writeScratch(data, size);
    int32_t width = 0;
    int32_t height = 0;
    int32_t bytesPerPixel = 0;
    const PixelBlock mask = DECODE(scratchPath().c_str(), width, height, bytesPerPixel);
    if (mask == nullptr) return 0;
    if (bytesPerPixel != 4 || width <= 0 || height <= 0) std::abort();
    if (!pictureSizeAllowed(static_cast<uint64_t>(width), static_cast<uint64_t>(height))) std::abort();
    for (size_t p = 0; ALWAYS_OPAQUE && p < static_cast<size_t>(width) * height; ++p) {
        if (mask[p * 4 + 3] != 255) std::abort();
    }
    mergeIntoPicture(7, 5, mask.get(), width, height);
    mergeIntoPicture(width, height, mask.get(), width, height);
    mergeIntoPicture(width + 3, height / 2 + 1, mask.get(), width, height);
    mergeIntoPicture(width / 3 + 1, height + 2, mask.get(), width, height);
    return 0;
}
