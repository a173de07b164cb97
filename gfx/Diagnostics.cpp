// The messages graphics support writes to standard error. The first three texts
// are the player's own and must stay exactly as they are.
// Writes only; callers decide what a failure means.
#include "gfx/Diagnostics.h"

#include <cstdio>

namespace {

thread_local bool quiet = false;
thread_local int32_t heldBackCount = 0;

}  // namespace

QuietDiagnostics::QuietDiagnostics() {
    quiet = true;
    heldBackCount = 0;
}

QuietDiagnostics::~QuietDiagnostics() {
    quiet = false;
}

int32_t QuietDiagnostics::heldBack() const {
    return heldBackCount;
}

bool holdBackMessage() {
    if (quiet) ++heldBackCount;
    return quiet;
}

void reportOpenFailed(const char* fileName) {
    if (holdBackMessage()) return;
    std::fprintf(stderr, "error open JPEG file \"%s\"\n", fileName);
    std::fflush(stderr);
}

void reportDepthNotSupported(int32_t bytesPerPixel) {
    if (holdBackMessage()) return;
    std::fprintf(stderr, "bpp not supported (%d)\n", static_cast<int>(bytesPerPixel));
    std::fflush(stderr);
}

void reportPictureDepthNotSupported(int32_t bytesPerPixel) {
    if (holdBackMessage()) return;
    std::fprintf(stderr, "bpp of png-image not supported (%d)\n", static_cast<int>(bytesPerPixel));
    std::fflush(stderr);
}

void reportPictureTooLarge(const char* fileName, uint32_t width, uint32_t height) {
    if (holdBackMessage()) return;
    std::fprintf(stderr, "picture too large (%u x %u pixels): \"%s\"\n", static_cast<unsigned>(width),
                 static_cast<unsigned>(height), fileName);
    std::fflush(stderr);
}

void reportOutOfMemory(const char* fileName) {
    if (holdBackMessage()) return;
    std::fprintf(stderr, "out of memory decoding \"%s\"\n", fileName);
    std::fflush(stderr);
}

void reportNameTooLong(const char* fileName, size_t length) {
    if (holdBackMessage()) return;
    std::fprintf(stderr, "texture file name too long (%zu characters, at most 99): \"%s\"\n", length,
                 fileName);
    std::fflush(stderr);
}
