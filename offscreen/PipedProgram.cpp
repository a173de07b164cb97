// Child process with a pipe to its standard input (see ChildSpawn). A child that
// dies makes our writes fail with EPIPE instead of killing us with SIGPIPE.
#include "offscreen/PipedProgram.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>

#include "offscreen/ChildSpawn.h"

namespace {

bool isExecutableFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::string findOnPath(const std::string& name) {
    if (name.find('/') != std::string::npos) return isExecutableFile(name) ? name : "";
    const char* path = std::getenv("PATH");
    if (path == nullptr) return "";
    const std::string dirs = path;
    size_t start = 0;
    while (start <= dirs.size()) {
        size_t end = dirs.find(':', start);
        if (end == std::string::npos) end = dirs.size();
        const std::string dir = end > start ? dirs.substr(start, end - start) : ".";
        const std::string candidate = dir + "/" + name;
        if (isExecutableFile(candidate)) return candidate;
        start = end + 1;
    }
    return "";
}

PipedProgram::~PipedProgram() {
    if (pid > 0) kill();
}

bool PipedProgram::start(const std::string& path, const std::vector<std::string>& args, std::string& error) {
    int ends[2] = {-1, -1};
    if (pipe2(ends, O_CLOEXEC) != 0) {
        error = std::strerror(errno);
        return false;
    }
    std::signal(SIGPIPE, SIG_IGN);
    const int result = spawnChild(path, args, ChildStreams{ends[0], -1}, pid);  // dup2 drops close-on-exec
    close(ends[0]);
    if (result != 0) {
        close(ends[1]);
        pid = -1;
        error = std::strerror(result);
        return false;
    }
    input = ends[1];
    return true;
}

bool PipedProgram::write(const void* data, size_t size) {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0 && input >= 0) {
        const ssize_t written = ::write(input, bytes, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes += written;
        size -= static_cast<size_t>(written);
    }
    return size == 0;
}

bool PipedProgram::finish(const std::function<bool()>& stopAsked) {
    if (input >= 0) close(input);
    input = -1;
    if (pid <= 0) return false;
    const bool ok = (stopAsked ? exitStatusUnlessStopped(pid, stopAsked) : exitStatusOf(pid)) == 0;
    pid = -1;
    return ok;
}

void PipedProgram::kill() {
    if (pid > 0) ::kill(pid, SIGKILL);
    finish();
}
