// The whole song, synthesised, mixed and mastered, ready to encode; and its
// encoding into the Ogg Vorbis file the player streams.
#pragma once

#include <string>

#include "generator/StereoBuffer.h"

StereoBuffer synthesiseSong();
// Encodes as Ogg Vorbis and makes the file's bytes repeatable (fixed stream
// serial). False, with a message on standard error, on failure.
bool writeSong(const std::string& path, const StereoBuffer& song);
