// What the shell does after each frame is drawn and before it is shown: the
// trace line and the frame count of a deterministic run.
#pragma once

#include <cstdint>

struct GLWindow;

void frameDrawn(GLWindow& window);
// Frames drawn so far in this process.
int64_t framesDrawn();
