// A one-line progress bar on standard error for long offscreen runs: frames done,
// percentage, frames per second and time left. Redrawn a few times a second.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

// The bar's text for `done` of `total` frames after `seconds` of work.
std::string formatProgress(int64_t done, int64_t total, double seconds);

class ProgressBar {
public:
    ProgressBar(int64_t total, bool quiet, FILE* out = stderr);
    // Shows `done` frames, at most every quarter second.
    void update(int64_t done);
    // Shows the final count and ends the line.
    void finish(int64_t done);

    int64_t total = 0;
    bool quiet = false;
    FILE* out = stderr;
    std::chrono::steady_clock::time_point started = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point lastShown = {};
    bool shown = false;

private:
    void show(int64_t done);
};
