// Runs a shell command line for a test and collects what it printed and how it ended.
#pragma once

#include <string>

struct ProcessResult {
    int exitCode = -1;  // -1 when it did not exit normally
    std::string out;
    std::string err;  // only when an error file was given
};

// Runs `command` with /bin/sh. When `errFile` is not empty the command's standard
// error goes there and is read back (and the file removed) afterwards.
ProcessResult runCommand(const std::string& command, const std::string& errFile = "");
