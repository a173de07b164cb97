// Runs the flashstep binary in its deterministic mode on a show folder and
// parses the trace lines it prints.
#pragma once

#include <map>
#include <string>
#include <vector>

struct TraceLine {
    std::map<std::string, std::string> fields;
    const std::string& operator[](const std::string& key) const { return fields.at(key); }
    double number(const std::string& key) const;
    std::vector<int> events() const;  // empty for "-"
};

struct RunResult {
    int exitCode = -1;
    std::vector<TraceLine> lines;
    std::string rawStdout;
    std::string rawStderr;
};

// Runs `flashstep <arguments>` with the working directory `folder`.
RunResult runFlashstep(const std::string& folder, const std::string& arguments);

// A show folder: data/script.txt with the given text.
std::string writeShow(const std::string& folder, const std::string& script);
