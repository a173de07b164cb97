// The tonal instruments: a filtered saw bass with a sub, a wide detuned-saw pad
// and a pulse lead. Each call adds one note (or chord) starting at frame `at`;
// `brightness` 0..1 opens the filter, which is how the arrangement builds tension.
#pragma once

#include <cstddef>
#include <vector>

#include "generator/StereoBuffer.h"

namespace synths {

void bass(StereoBuffer& out, std::size_t at, std::size_t length, int note, double brightness, double gain);
void pad(StereoBuffer& out, std::size_t at, std::size_t length, const std::vector<int>& notes,
         double brightness, double gain);
void lead(StereoBuffer& out, std::size_t at, std::size_t length, int note, double brightness, double gain);

}  // namespace synths
