// Shell commands for tests, through popen.
#include "tests/support/Process.h"

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>

#include "tests/support/Files.h"

ProcessResult runCommand(const std::string& command, const std::string& errFile) {
    ProcessResult result;
    const std::string line = errFile.empty() ? command : "{ " + command + " ; } 2>'" + errFile + "'";
    FILE* pipe = popen(line.c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) result.out += buffer;
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (!errFile.empty()) {
        result.err = readFile(errFile);
        std::error_code ignored;
        std::filesystem::remove(errFile, ignored);
    }
    return result;
}
