// Colours chosen to stay apart from their neighbours (after Kelly's contrast set):
// lanes next to each other never share a hue family.
#include "timeline/TimelinePalette.h"

#include <iterator>

namespace {

Rgb hex(uint32_t value) {
    return {((value >> 16) & 0xff) / 255.0, ((value >> 8) & 0xff) / 255.0, (value & 0xff) / 255.0};
}

constexpr uint32_t SWITCH_COLOURS[] = {
    0x0067a5,  // palikat: blue
    0xf38400,  // hohto: orange
    0xbe0032,  // rgbhohto: red
    0x848482,  // wireframe: grey
    0x008856,  // putki: green
    0x875692,  // kumma: purple
    0x4fa3d9,  // elektro: sky
    0xe68fac,  // lorenz: pink
    0x8db600,  // scaled: yellow-green
    0x882d17,  // titleImages: brown
    0x2b3d26,  // sync: dark olive
    0xd8a800,  // randomCamera: amber
};

}  // namespace

namespace palette {

Rgb switchColour(int32_t lane) {
    constexpr int32_t count = static_cast<int32_t>(std::size(SWITCH_COLOURS));
    return hex(SWITCH_COLOURS[((lane % count) + count) % count]);
}

Rgb pictureShown() {
    return hex(0x7fb8b0);
}

Rgb pictureFade() {
    return hex(0x1f6f66);
}

Rgb pictureMode(int32_t mode) {
    switch (mode) {
        case 1:
            return hex(0xd95f02);  // zoom
        case 2:
            return hex(0x7570b3);  // flicker
        case 3:
            return hex(0x1b9e77);  // pieces
        default:
            return hex(0x7fb8b0);
    }
}

Rgb findingColour(Severity severity) {
    switch (severity) {
        case Severity::Error:
            return hex(0xd00000);
        case Severity::Warning:
            return hex(0xe69500);
        default:
            return hex(0x2a6fdb);
    }
}

}  // namespace palette
