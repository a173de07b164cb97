// The range a video part holds, written into its container's comment tag when it
// is captured and read back when parts are joined: "flashstep frames=F+N fps=R".
// Pure text: touches no file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct CapturedRange {
    int64_t firstFrame = 0;  // its first frame's number in the whole show's schedule
    int64_t frames = 0;
    uint32_t fps = 60;

    int64_t endFrame() const { return firstFrame + frames; }
};

std::string rangeTag(const CapturedRange& range);
// The range of a tag rangeTag wrote; nothing for any other text.
std::optional<CapturedRange> parseRangeTag(const std::string& tag);
