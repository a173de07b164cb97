// The plain colours; a switch lane's colour is its row's in the event table.
#include "timeline/TimelinePalette.h"

#include "script/EventTable.h"

namespace {

Rgb hex(uint32_t value) {
    return {((value >> 16) & 0xff) / 255.0, ((value >> 8) & 0xff) / 255.0, (value & 0xff) / 255.0};
}

}  // namespace

namespace palette {

Rgb switchColour(int32_t lane) {
    constexpr int32_t count = switchCount();
    return hex(switchEntry(((lane % count) + count) % count).laneColour);
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
