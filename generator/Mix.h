// Mixing and mastering of the rendered buses into the finished stereo song:
// echo on the lead, the pad and bass ducking under every kick, the fade at the
// end, then a soft saturation and a scale to just below full scale.
#pragma once

#include "generator/Arrangement.h"
#include "generator/StereoBuffer.h"

// The master's ceiling: about -1.4 dBFS, headroom for the encoder's overshoot.
constexpr double MASTER_CEILING = 0.85;

// Ping-pong echo: what goes in returns `delayFrames` later, alternating sides.
void addPingPongEcho(StereoBuffer& buffer, std::size_t delayFrames, double feedback, double wet);
// Largest absolute sample of either channel.
double peak(const StereoBuffer& buffer);
// Rounds the loudest peaks with tanh and scales so the peak equals `ceiling`.
// A silent buffer stays silent.
void master(StereoBuffer& buffer, double ceiling);

// The buses mixed, faded from `fadeFrom` (the last hit) to silence at their end.
StereoBuffer mixSong(SongBuses& buses, std::size_t fadeFrom);
