// The line a capture ends with: what was written, how big and how long, so a user
// knows what they are about to upload without probing the file.
#pragma once

#include <cstdint>
#include <string>

struct CapturedFile {
    std::string name;     // as asked for (a pattern for numbered frames)
    uintmax_t bytes = 0;  // the file, or every numbered frame together
    int64_t frames = 0;
    uint32_t fps = 60;
    int32_t width = 640;
    int32_t height = 480;
};

// "wrote show.mp4: 13.7 MB, 0:06.000 long (360 frames at 60 fps, 1280 x 720)"
std::string captureSummary(const CapturedFile& file);
// The size of a file, or of every file in a folder; 0 when there is nothing.
uintmax_t bytesAt(const std::string& path);
