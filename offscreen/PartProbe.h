// What joining needs to know of one range video, asked of ffprobe: its first video
// stream's codec and picture, a hash of the bytes that set its decoder up (parts
// joined without re-encoding must share them), its frames counted, its rate and
// length (to hold its tag to), and its range.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "offscreen/RangeTag.h"

struct VideoPart {
    std::string codec;
    int32_t width = 0;
    int32_t height = 0;
    std::string pixelFormat;
    std::string setupHash;               // of the codec's extradata (H.264: SPS and PPS)
    int64_t frames = 0;                  // video packets counted, one per frame
    int64_t rateNumerator = 0;           // the stream's frame rate as a fraction; 0: unknown
    int64_t rateDenominator = 1;
    double seconds = -1.0;  // how long the file lasts; negative: unknown
    std::optional<CapturedRange> range;  // from its comment tag; none for a foreign video
};

// The part from ffprobe's JSON report (what probePart asks for); false with the
// reason in `error` when the report has no video stream.
bool readProbeReport(const std::string& json, VideoPart& part, std::string& error);
// Runs `ffprobe` on `file`.
bool probePart(const std::string& ffprobe, const std::string& file, VideoPart& part, std::string& error);
