// Per-frame hooks of the deterministic run: trace, then stop after the asked count.
#include "app/FrameHooks.h"

#include <cstdio>

#include "app/Shell.h"
#include "demo/RunOptions.h"
#include "demo/Trace.h"

namespace {
int64_t frameCount = 0;
}

void frameDrawn(GLWindow& window) {
    const RunOptions& options = runOptions();
    if (options.trace) writeTraceLine(stdout, frameCount);
    ++frameCount;
    if (options.deterministic() && frameCount >= options.frames) requestQuit(window);
}

int64_t framesDrawn() { return frameCount; }
