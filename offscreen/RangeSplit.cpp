// Splitting by frames, printed as millisecond times: frame k of the schedule falls
// at a whole millisecond, and a start at that millisecond is frame k again, so the
// printed ranges meet exactly.
#include "offscreen/RangeSplit.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>

std::vector<CapturedRange> splitRange(const CapturedRange& whole, int64_t parts) {
    std::vector<CapturedRange> ranges;
    const int64_t count = std::min(parts, whole.frames);
    for (int64_t i = 0; i < count; ++i) {
        const int64_t first = whole.firstFrame + i * whole.frames / count;
        const int64_t end = whole.firstFrame + (i + 1) * whole.frames / count;
        ranges.push_back(CapturedRange{first, end - first, whole.fps});
    }
    return ranges;
}

int runSplit(int64_t parts, const ShowRange& range, RunPlan plan) {
    plan.clock = FrameClock::Schedule;
    const ShowSong song = readShowSong(range.endMs < 0.0 && plan.frames == 0);
    int64_t firstFrame = 0;
    if (!settleRange(plan, range, song, firstFrame)) return 1;
    for (const CapturedRange& part : splitRange(CapturedRange{firstFrame, plan.frames, plan.fps}, parts)) {
        std::printf("--start %" PRId64 "ms --end %" PRId64 "ms\n", replayFrameMs(plan, part.firstFrame),
                    replayFrameMs(plan, part.endFrame()));
    }
    return 0;
}
