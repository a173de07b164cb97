// Ogg Vorbis encoding of a stereo buffer through libsndfile. The stream serial
// that libsndfile picks is random; OggSerial.h makes it fixed afterwards.
#pragma once

#include <string>

#include "generator/StereoBuffer.h"

// quality 0..1, higher is better and larger. False, with a message, on failure.
bool writeOggVorbis(const std::string& path, const StereoBuffer& buffer, double quality);
