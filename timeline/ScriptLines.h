// Finds the line, the words and the whole text of each event the script loader
// stores, by reading the file through the loader's own statement reader and step.
// Times and kinds stay the loader's: this only says where each event was written.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ScriptLine {
    int32_t line = 0;  // from 1
    std::string keyword;
    std::string argument;
    std::string text;  // the line the event's time word stands on
};

// One entry per stored event, in the loader's order; empty when the file cannot be read.
std::vector<ScriptLine> locateEventLines(const std::string& path);
