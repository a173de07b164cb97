// Runs the flashstep binary as a user would, in a show folder, and splits the
// trace lines it prints into fields. The one way tests start the player.
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

struct PlayerRun {
    int exitCode = -1;
    std::string out;
    std::string err;
    std::vector<TraceLine> lines;  // the trace lines of `out`
};

// Runs `flashstep <arguments>` with the working directory `folder`; `environment`
// ("NAME=value ...") is set for it alone. Standard error goes through a file
// beside the folder, so that nothing is left inside it.
PlayerRun runPlayer(const std::string& folder, const std::string& arguments, const std::string& environment = "");

// A show folder: data/script.txt with the given text; its path.
std::string writeShow(const std::string& folder, const std::string& script);
