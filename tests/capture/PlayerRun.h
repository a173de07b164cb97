// Runs the flashstep binary on a tiny show written into a scratch folder: a short
// generated song and a script with a few layers on, for capture and benchmark runs.
#pragma once

#include <string>

struct PlayerRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs `flashstep <arguments>` in `folder`; `environment` ("NAME=value ...") is set for it alone.
// Its standard error goes through a file in the folder above `folder`.
PlayerRun runPlayer(const std::string& folder, const std::string& arguments,
                    const std::string& environment = "");
// Runs a shell command line and returns what it printed on standard output.
std::string commandOutput(const std::string& command);

// Writes data/script.txt and a `seconds` long WAV song, data/song.wav, into `folder`.
void writeTinyShow(const std::string& folder, double seconds);
