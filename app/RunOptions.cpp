// From the command line's options to the player's run plan.
#include "app/RunOptions.h"

namespace {

bool videoCapture(const RunOptions& options) {
    const CaptureKind kind = captureKindOf(options.captureFile);
    return kind == CaptureKind::Mp4 || kind == CaptureKind::Matroska || kind == CaptureKind::WebM;
}

}  // namespace

RunPlan runPlanFor(const RunOptions& options) {
    RunPlan plan;
    const bool fixedStep = options.deterministic() || (options.edit && options.fixedFrameTime);
    plan.clock = fixedStep ? FrameClock::FixedStep : FrameClock::Heard;
    plan.dtMs = options.dtMs;
    plan.fps = options.fps;
    plan.frames = options.frames;
    plan.trace = options.trace;
    plan.startMs = options.startMs;
    plan.frameWidth = options.frameWidth;
    plan.frameHeight = options.frameHeight;
    if (options.size.empty() && videoCapture(options)) {
        plan.frameWidth = VIDEO_WIDTH;
        plan.frameHeight = VIDEO_HEIGHT;
    }
    plan.keepCheckpoints = options.edit;
    return plan;
}
