// From the command line's options to the player's run plan.
#include "app/RunOptions.h"

RunPlan runPlanFor(const RunOptions& options) {
    RunPlan plan;
    plan.clock = options.deterministic() ? FrameClock::FixedStep : FrameClock::Heard;
    plan.dtMs = options.dtMs;
    plan.fps = options.fps;
    plan.frames = options.frames;
    plan.trace = options.trace;
    return plan;
}
