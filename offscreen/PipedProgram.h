// A program run as a child process that reads what we write to its standard
// input (ffmpeg for capture). Finds it on PATH, feeds it, waits for its end.
// Does not read its output: it writes to our standard error.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// The full path of `name` on PATH, or empty when no executable of that name is found.
std::string findOnPath(const std::string& name);

class PipedProgram {
public:
    PipedProgram() = default;
    ~PipedProgram();  // kills a child that is still running
    PipedProgram(const PipedProgram&) = delete;
    PipedProgram& operator=(const PipedProgram&) = delete;

    // Starts `path` with `args`; false with the reason in `error`.
    bool start(const std::string& path, const std::vector<std::string>& args, std::string& error);
    // Writes all of `size` bytes; false once the child stopped reading.
    bool write(const void* data, size_t size);
    // Ends its input and waits; true when it exited with status 0. With `stopAsked`, a
    // yes from it while waiting kills the child (and the answer is false).
    bool finish(const std::function<bool()>& stopAsked = {});
    // Stops it at once and waits for it.
    void kill();

    pid_t pid = -1;
    int input = -1;  // our end of its standard input
};
