// Test helper: a scratch show folder holding data/script.txt and, on request, a
// quiet song data/song.wav of a given length, for the timeline to read.
#pragma once

#include <string>
#include <vector>

#include "check/Finding.h"
#include "tests/support/TempDir.h"

class ShowFolder {
public:
    // `songSeconds` 0: no song file. Scripts name the song with "init songfile data/song.wav".
    explicit ShowFolder(const std::string& script, double songSeconds = 0.0);

    const std::string& path() const { return dir_.path(); }
    std::string scriptPath() const { return dir_.file("data/script.txt"); }
    std::string songPath() const { return dir_.file("data/song.wav"); }
    std::string file(const std::string& name) const { return dir_.file(name); }

private:
    TempDir dir_;
};

// The timeline command run in `folder`, with its standard error caught.
struct CommandRun {
    int exitCode = 0;
    std::string err;
};
// What the show check finds in `folder`, as the command draws it.
std::vector<Finding> findingsIn(const std::string& folder);

CommandRun runTimelineIn(const std::string& folder, const std::string& outFile,
                         const std::string& bench = "");
