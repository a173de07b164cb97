// Formats the driver's state after a frame as key=value fields.
#include "demo/Trace.h"

#include <cinttypes>

#include "demo/DemoState.h"
#include "base/Random.h"

namespace {

void writeEvents(FILE* out, const demo::FrameReport& frame) {
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
    const demo::FrameReport& report = demo::lastFrame;
    std::fprintf(out, "frame=%" PRId64 " t=%.6f events=", frame, static_cast<double>(report.position));
    writeEvents(out, report);
    std::fprintf(out, " jump=%d flash=%.6f camera=%.6f,%.6f,%.6f distance=%.6f rng=%" PRIu32,
                 report.jumped ? 1 : 0, static_cast<double>(demo::flash),
                 static_cast<double>(demo::cameraDirection[0]), static_cast<double>(demo::cameraDirection[1]),
                 static_cast<double>(demo::cameraDirection[2]), static_cast<double>(demo::cameraDistance),
                 randomState());
    std::fprintf(out, " spin=%.6f speed=%.6f\n", static_cast<double>(demo::scene->spinAngle),
                 static_cast<double>(demo::scene->spinSpeed));
}
