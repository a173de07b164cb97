// The timeline's colours: one distinct colour per switch lane, the picture marks
// and modes, and the plain inks of grid, ticks and text. Values only; no drawing.
#pragma once

#include <cstdint>

#include "check/Finding.h"

struct Rgb {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
};

namespace palette {

// The colour of switch lane i, the event table's i-th switch (lanes are in its order).
Rgb switchColour(int32_t lane);
Rgb pictureShown();
Rgb pictureFade();
// Strip colour of a picture mode; still has none (the caller skips it).
Rgb pictureMode(int32_t mode);
Rgb findingColour(Severity severity);

constexpr Rgb BACKGROUND{0.98, 0.98, 0.97};
constexpr Rgb LANE_STRIPE{0.935, 0.935, 0.925};
constexpr Rgb PATTERN_LINE{0.80, 0.80, 0.78};
constexpr Rgb BEAT_LINE{0.89, 0.89, 0.87};
constexpr Rgb STEP_LINE{0.92, 0.92, 0.91};
constexpr Rgb WAVEFORM{0.36, 0.50, 0.66};
constexpr Rgb INK{0.13, 0.13, 0.13};
constexpr Rgb SOFT_INK{0.42, 0.42, 0.42};
constexpr Rgb JUMP{0.10, 0.10, 0.10};
constexpr Rgb PATTERN_CHANGE{0.75, 0.20, 0.55};
constexpr Rgb SONG_END{0.80, 0.05, 0.05};
constexpr Rgb BENCH{0.62, 0.16, 0.30};

}  // namespace palette
