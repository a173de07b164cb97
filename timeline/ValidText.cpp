// Well-formed sequences as Unicode's table of them has it: no overlong forms, no
// surrogates, nothing past U+10FFFF.
#include "timeline/ValidText.h"

#include <cstddef>

namespace {

constexpr const char* REPLACEMENT = "\xef\xbf\xbd";

bool inRange(unsigned char byte, unsigned char low, unsigned char high) {
    return byte >= low && byte <= high;
}

// The length of the well-formed sequence at `at`, or 0.
size_t sequenceLength(const std::string& text, size_t at) {
    const auto byte = [&text](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) return 1;
    size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xbf;
    if (inRange(lead, 0xc2, 0xdf)) {
        length = 2;
    } else if (inRange(lead, 0xe0, 0xef)) {
        length = 3;
        if (lead == 0xe0) low = 0xa0;
        if (lead == 0xed) high = 0x9f;
    } else if (inRange(lead, 0xf0, 0xf4)) {
        length = 4;
        if (lead == 0xf0) low = 0x90;
        if (lead == 0xf4) high = 0x8f;
    } else {
        return 0;
    }
    if (at + length > text.size() || !inRange(byte(at + 1), low, high)) return 0;
    for (size_t i = 2; i < length; ++i) {
        if (!inRange(byte(at + i), 0x80, 0xbf)) return 0;
    }
    return length;
}

}  // namespace

std::string validUtf8(const std::string& text) {
    std::string valid;
    valid.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        const size_t length = sequenceLength(text, at);
        if (length == 0) {
            valid += REPLACEMENT;
            ++at;
        } else {
            valid.append(text, at, length);
            at += length;
        }
    }
    return valid;
}

void makeTextValid(Timeline& timeline) {
    timeline.songFile = validUtf8(timeline.songFile);
    for (TimelineEvent& event : timeline.events) {
        event.keyword = validUtf8(event.keyword);
        event.argument = validUtf8(event.argument);
        event.text = validUtf8(event.text);
    }
    for (SwitchLane& lane : timeline.switches) lane.keyword = validUtf8(lane.keyword);
    for (PictureLane& lane : timeline.pictures) lane.file = validUtf8(lane.file);
    for (Finding& finding : timeline.findings) {
        finding.file = validUtf8(finding.file);
        finding.message = validUtf8(finding.message);
    }
}
