// The largest frame this machine's GL renders offscreen, asked of a throwaway
// context on the same driver that capture and benchmark use. Opens and closes
// SDL for itself; draws nothing.
#pragma once

#include <cstdint>

struct GlLimits {
    int32_t maxWidth = 0;
    int32_t maxHeight = 0;
};

// False when no GL context could be made (the run itself then says why).
bool queryGlLimits(GlLimits& limits);
