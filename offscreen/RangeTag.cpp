// Writing and reading the range tag; strict, so a foreign comment is no range.
#include "offscreen/RangeTag.h"

#include <cinttypes>
#include <cstdio>

std::string rangeTag(const CapturedRange& range) {
    char text[96];
    std::snprintf(text, sizeof text, "flashstep frames=%" PRId64 "+%" PRId64 " fps=%" PRIu32,
                  range.firstFrame, range.frames, range.fps);
    return text;
}

std::optional<CapturedRange> parseRangeTag(const std::string& tag) {
    CapturedRange range;
    int consumed = 0;
    if (std::sscanf(tag.c_str(), "flashstep frames=%" SCNd64 "+%" SCNd64 " fps=%" SCNu32 "%n",
                    &range.firstFrame, &range.frames, &range.fps, &consumed) != 3 ||
        static_cast<size_t>(consumed) != tag.size()) {
        return std::nullopt;
    }
    if (range.firstFrame < 0 || range.frames <= 0 || range.fps == 0) return std::nullopt;
    // The text must be the one rangeTag writes (no signs, spaces or leading zeros slipped in).
    if (rangeTag(range) != tag) return std::nullopt;
    return range;
}
