// The messages graphics support writes to standard error, all in one place.
// Each writes one line and flushes; none of them decides what happens next.
#pragma once

#include <cstddef>
#include <cstdint>

void reportOpenFailed(const char* fileName);
void reportPictureTooLarge(const char* fileName, uint32_t width, uint32_t height);
void reportOutOfMemory(const char* fileName);
void reportDepthNotSupported(int32_t bytesPerPixel);
void reportPictureDepthNotSupported(int32_t bytesPerPixel);
void reportNameTooLong(const char* fileName, size_t length);
// libpng's messages, with the file they are about.
void reportPngError(const char* fileName, const char* message);
void reportPngWarning(const char* fileName, const char* message);

// While one lives on a thread, that thread's messages (these and the JPEG
// library's) are counted instead of written: a decode done ahead of time stays
// silent and leaves its messages to the real load.
class QuietDiagnostics {
public:
    QuietDiagnostics();
    ~QuietDiagnostics();
    QuietDiagnostics(const QuietDiagnostics&) = delete;
    QuietDiagnostics& operator=(const QuietDiagnostics&) = delete;
    // Messages held back on this thread since construction.
    int32_t heldBack() const;
};

// True on a thread with a QuietDiagnostics alive; the message is then counted.
bool holdBackMessage();
