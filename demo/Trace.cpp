// Formats the driver's state after a frame as key=value fields.
#include "demo/Trace.h"

#include <cinttypes>

#include "demo/DemoState.h"
#include "base/Random.h"

using demo::driver;

namespace {

void writeEvents(FILE* out, const FrameReport& frame) {
    if (frame.eventCount == 0) {
        std::fputc('-', out);
        return;
    }
    for (int32_t i = 0; i < frame.eventCount; ++i) {
        std::fprintf(out, i == 0 ? "%d" : ",%d", frame.events[i]);
    }
}

}  // namespace

void writeTraceLine(FILE* out, int64_t frame) {
    const FrameReport& report = driver.lastFrame;
    std::fprintf(out, "frame=%" PRId64 " t=%.6f events=", frame, static_cast<double>(report.position));
    writeEvents(out, report);
    std::fprintf(
        out, " jump=%d flash=%.6f camera=%.6f,%.6f,%.6f distance=%.6f rng=%" PRIu32, report.jumped ? 1 : 0,
        static_cast<double>(driver.flash), static_cast<double>(driver.cameraDirection[0]),
        static_cast<double>(driver.cameraDirection[1]), static_cast<double>(driver.cameraDirection[2]),
        static_cast<double>(driver.cameraDistance), randomState());
    std::fprintf(out, " spin=%.6f speed=%.6f\n", static_cast<double>(demo::scene->spinAngle),
                 static_cast<double>(demo::scene->spinSpeed));
}
