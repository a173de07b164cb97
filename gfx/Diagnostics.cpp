// The messages graphics support writes to standard error. The first three texts
// are the player's own and must stay exactly as they are.
// Writes only; callers decide what a failure means.
#include "gfx/Diagnostics.h"

#include <cstdarg>
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

namespace {

// Every message goes out through here: one line, flushed, unless held back.
__attribute__((format(printf, 1, 2))) void writeMessage(const char* format, ...) {
    if (holdBackMessage()) return;
    std::va_list arguments;
    va_start(arguments, format);
    std::vfprintf(stderr, format, arguments);
    va_end(arguments);
    std::fflush(stderr);
}

}  // namespace

void reportOpenFailed(const char* fileName) {
    writeMessage("error open JPEG file \"%s\"\n", fileName);
}

void reportDepthNotSupported(int32_t bytesPerPixel) {
    writeMessage("bpp not supported (%d)\n", static_cast<int>(bytesPerPixel));
}

void reportPictureDepthNotSupported(int32_t bytesPerPixel) {
    writeMessage("bpp of png-image not supported (%d)\n", static_cast<int>(bytesPerPixel));
}

void reportPictureTooLarge(const char* fileName, uint32_t width, uint32_t height) {
    writeMessage("picture too large (%u x %u pixels): \"%s\"\n", static_cast<unsigned>(width),
                 static_cast<unsigned>(height), fileName);
}

void reportOutOfMemory(const char* fileName) {
    writeMessage("out of memory decoding \"%s\"\n", fileName);
}

void reportNameTooLong(const char* fileName, size_t length) {
    writeMessage("texture file name too long (%zu characters, at most 99): \"%s\"\n", length, fileName);
}

void reportPngError(const char* fileName, const char* message) {
    writeMessage("PNG error in \"%s\": %s\n", fileName, message);
}

void reportPngWarning(const char* fileName, const char* message) {
    writeMessage("PNG warning in \"%s\": %s\n", fileName, message);
}
