// Runs a program to its end and keeps what it wrote to standard output (ffprobe's
// report on a video). Its standard error stays ours; it reads nothing.
#pragma once

#include <string>
#include <vector>

// True when `path` with `args` exited with status 0; `output` gets its standard
// output either way, `error` the reason when it could not be run or failed.
bool runForOutput(const std::string& path, const std::vector<std::string>& args, std::string& output,
                  std::string& error);
