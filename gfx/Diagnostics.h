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
