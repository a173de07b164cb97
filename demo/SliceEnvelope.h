// The loudness over a short slice of the song heard while scrubbing: a raised
// cosine rise at its start and fall at its end, so that a slice cut out of the
// middle of a sound starts and stops without a click. Numbers only; no audio.
#pragma once

#include <cstdint>

// The gain of sample frame `frame` of a slice `length` frames long whose rise and
// fall last `fade` frames each (at most half the slice); 0 outside the slice.
float sliceGain(int64_t frame, int64_t length, int64_t fade);
