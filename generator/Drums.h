// The drum kit, synthesised: each call adds one hit starting at frame `at` to a
// buffer. Noise comes from a generator seeded by the hit's frame and instrument,
// so a hit sounds the same however the arrangement orders its calls.
#pragma once

#include <cstddef>

#include "generator/StereoBuffer.h"

namespace drums {

void kick(StereoBuffer& out, std::size_t at, double gain);
void clap(StereoBuffer& out, std::size_t at, double gain);
void snare(StereoBuffer& out, std::size_t at, double gain);
void closedHat(StereoBuffer& out, std::size_t at, double gain);
void openHat(StereoBuffer& out, std::size_t at, double gain);
void crash(StereoBuffer& out, std::size_t at, double gain);
// A noise sweep rising in pitch and level over `length` frames, into a drop.
void riser(StereoBuffer& out, std::size_t at, std::size_t length, double gain);

}  // namespace drums
