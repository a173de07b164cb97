// What the shell does after each frame is drawn and after it is shown: the trace
// line, the frame count of a deterministic run, and the run's frame observer
// (capture or benchmark), if one is set.
#pragma once

#include <cstdint>

struct GLWindow;

// Watches the frames of a run. Both calls get the number of the frame, from 0.
class FrameObserver {
public:
    virtual ~FrameObserver() = default;
    // The frame is drawn and not yet swapped; false stops the run after this frame.
    virtual bool frameDrawn(GLWindow& window, int64_t frame) = 0;
    // The frame has been swapped.
    virtual void frameShown(GLWindow& window, int64_t frame) = 0;
};

// Sets the observer of this process's frames; nullptr for none. Not owned.
void setFrameObserver(FrameObserver* observer);

void frameDrawn(GLWindow& window);
void frameShown(GLWindow& window);
// Frames drawn so far in this process.
int64_t framesDrawn();
