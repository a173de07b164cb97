// How this run was asked to go: the command-line additions, defaults in one place.
// No options at all is the plain show (the full-screen question, live clock).
#pragma once

#include <cstdint>
#include <string>

enum class ScreenChoice { Ask, Windowed, Fullscreen };

struct RunOptions {
    ScreenChoice screen = ScreenChoice::Ask;
    // Deterministic run: `frames` frames of `dtMs` each on the virtual music clock,
    // offscreen, no sound device, no question. Off while frames is 0.
    int64_t frames = 0;
    uint32_t dtMs = 16;
    bool trace = false;
    std::string dataDir;  // change into it before anything is loaded; empty: stay

    bool deterministic() const { return frames > 0; }
};

// The options of this process, set once by the entry point.
RunOptions& runOptions();
