// Dark lane colours (the sync lane's olive) are mixed towards white until they
// stand out from the panels; the others are the timeline picture's own.
#include "editor/EditorColours.h"

#include <algorithm>

#include "timeline/TimelinePalette.h"

namespace {

constexpr double LEAST_LIGHTNESS = 0.45;

uint32_t packedRgb(const Rgb& colour) {
    const double lightness = 0.2126 * colour.r + 0.7152 * colour.g + 0.0722 * colour.b;
    const double lift = lightness < LEAST_LIGHTNESS ? (LEAST_LIGHTNESS - lightness) / (1.0 - lightness) : 0.0;
    auto channel = [lift](double value) {
        return static_cast<uint32_t>(std::clamp(value + (1.0 - value) * lift, 0.0, 1.0) * 255.0 + 0.5);
    };
    return editorColour::packed(channel(colour.r), channel(colour.g), channel(colour.b));
}

}  // namespace

namespace editorColour {

uint32_t switchLane(int32_t lane) {
    return packedRgb(palette::switchColour(lane));
}

uint32_t switchKeyword(const Timeline& timeline, const std::string& keyword) {
    for (std::size_t i = 0; i < timeline.switches.size(); ++i) {
        if (timeline.switches[i].keyword == keyword) return switchLane(static_cast<int32_t>(i));
    }
    return packed(160, 160, 160);
}

uint32_t finding(Severity severity) {
    return packedRgb(palette::findingColour(severity));
}

uint32_t pictureShown() {
    return packedRgb(palette::pictureShown());
}

uint32_t waveform() {
    return packedRgb(palette::WAVEFORM);
}

}  // namespace editorColour
