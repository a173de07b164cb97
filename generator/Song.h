// The whole song, synthesised, mixed and mastered, ready to encode; and its
// encoding into the Ogg Vorbis file the player streams.
#pragma once

#include <string>

#include "generator/StereoBuffer.h"

StereoBuffer synthesiseSong();
// A half-minute song for a new show, made the same way from the song's own
// patterns: the kick coming in, the build's snare roll, half the drop, the last hit.
StereoBuffer synthesiseShortSong();
// How many patterns that song plays before its tail rings out.
int shortSongPatterns();
// Encodes as Ogg Vorbis and makes the file's bytes repeatable (fixed stream
// serial). False, with a message on standard error, on failure.
bool writeSong(const std::string& path, const StereoBuffer& song);
