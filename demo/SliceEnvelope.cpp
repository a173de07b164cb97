// A raised cosine: its slope is zero at both ends of the rise, which is what keeps
// the start of a slice from being heard as a click.
#include "demo/SliceEnvelope.h"

#include <algorithm>
#include <cmath>

float sliceGain(int64_t frame, int64_t length, int64_t fade) {
    if (frame < 0 || frame >= length) return 0.0f;
    fade = std::min(fade, length / 2);
    const int64_t fromEdge = std::min(frame, length - 1 - frame);
    if (fade <= 0 || fromEdge >= fade) return 1.0f;
    const double rise = (static_cast<double>(fromEdge) + 0.5) / static_cast<double>(fade);
    return static_cast<float>(0.5 - 0.5 * std::cos(M_PI * rise));
}
