// Sizes in the decimal units video sites and file managers show; the length in
// minutes and seconds to the millisecond, as a player's seek bar reads it.
#include "offscreen/CaptureSummary.h"

#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string sizeText(uintmax_t bytes) {
    char text[32];
    if (bytes < 1000000) {
        std::snprintf(text, sizeof text, "%.1f kB", static_cast<double>(bytes) / 1e3);
    } else if (bytes < 1000000000) {
        std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / 1e6);
    } else {
        std::snprintf(text, sizeof text, "%.2f GB", static_cast<double>(bytes) / 1e9);
    }
    return text;
}

std::string lengthText(int64_t frames, uint32_t fps) {
    const int64_t ms = fps > 0 ? (frames * 1000 + fps / 2) / fps : 0;
    char text[48];
    std::snprintf(text, sizeof text, "%" PRId64 ":%02" PRId64 ".%03" PRId64, ms / 60000, ms / 1000 % 60,
                  ms % 1000);
    return text;
}

}  // namespace

std::string captureSummary(const CapturedFile& file) {
    char text[96];
    std::snprintf(text, sizeof text, " long (%" PRId64 " frames at %u fps, %d x %d)", file.frames, file.fps,
                  file.width, file.height);
    return "wrote " + file.name + ": " + sizeText(file.bytes) + ", " + lengthText(file.frames, file.fps) +
           text;
}

uintmax_t bytesAt(const std::string& path) {
    std::error_code code;
    if (fs::is_regular_file(path, code)) return fs::file_size(path, code);
    uintmax_t bytes = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(path, code)) {
        if (entry.is_regular_file(code)) bytes += entry.file_size(code);
    }
    return bytes;
}
