// Child process with a pipe to its standard input, by posix_spawn. A child that
// dies makes our writes fail with EPIPE instead of killing us with SIGPIPE.
#include "offscreen/PipedProgram.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>

extern char** environ;

namespace {

bool isExecutableFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

// Status 0 from waitpid, retried across signals.
bool waitForExit(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
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
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[0], STDIN_FILENO);  // dup2 drops close-on-exec
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(path.c_str()));
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    // The player blocks the signals it waits for on a thread; the child gets them back.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
    const int result = posix_spawn(&pid, path.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
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

bool PipedProgram::finish() {
    if (input >= 0) close(input);
    input = -1;
    if (pid <= 0) return false;
    const bool ok = waitForExit(pid);
    pid = -1;
    return ok;
}

void PipedProgram::kill() {
    if (pid > 0) ::kill(pid, SIGKILL);
    finish();
}
