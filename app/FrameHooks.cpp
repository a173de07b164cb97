// Per-frame hooks of the deterministic run: trace, the observer, then stop after
// the asked count.
#include "app/FrameHooks.h"

#include <cstdio>

#include "app/Shell.h"
#include "demo/RunOptions.h"
#include "demo/Trace.h"

namespace {
int64_t frameCount = 0;
FrameObserver* frameObserver = nullptr;
}  // namespace

void setFrameObserver(FrameObserver* observer) {
    frameObserver = observer;
}

void frameDrawn(GLWindow& window) {
    const RunOptions& options = runOptions();
    if (options.trace) writeTraceLine(stdout, frameCount);
    const bool goOn = frameObserver == nullptr || frameObserver->frameDrawn(window, frameCount);
    ++frameCount;
    if (!goOn || (options.deterministic() && frameCount >= options.frames)) requestQuit(window);
}

void frameShown(GLWindow& window) {
    if (frameObserver != nullptr) frameObserver->frameShown(window, frameCount - 1);
}

int64_t framesDrawn() {
    return frameCount;
}
