// A tiny show written into a scratch folder for capture and benchmark runs: a
// short generated song and a script with a few layers on.
#pragma once

#include <string>

// Writes data/script.txt and a `seconds` long WAV song, data/song.wav, into `folder`.
void writeTinyShow(const std::string& folder, double seconds);
