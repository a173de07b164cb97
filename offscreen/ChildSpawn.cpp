// fork and exec rather than posix_spawn: only a child of our own making can ask for
// PR_SET_PDEATHSIG before it becomes the program. Between the two it makes only
// async-signal-safe calls. An exec that fails says why through a close-on-exec pipe.
#include "offscreen/ChildSpawn.h"

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <thread>

extern char** environ;

namespace {

constexpr auto STOP_CHECK_INTERVAL = std::chrono::milliseconds(20);

// In the child, after fork: the streams, no blocked signal, death with the parent, the program.
[[noreturn]] void becomeProgram(const char* path, char* const* argv, const ChildStreams& streams,
                                pid_t parent, int report) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) _exit(127);  // the parent is gone already
    const int input = streams.input >= 0 ? streams.input : open("/dev/null", O_RDONLY);
    if (input < 0 || dup2(input, STDIN_FILENO) < 0) _exit(127);
    if (streams.output >= 0 && dup2(streams.output, STDOUT_FILENO) < 0) _exit(127);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    execve(path, argv, environ);
    const int error = errno;
    ssize_t written = write(report, &error, sizeof error);
    (void)written;
    _exit(127);
}

}  // namespace

int spawnChild(const std::string& path, const std::vector<std::string>& args, const ChildStreams& streams,
               pid_t& pid) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(path.c_str()));
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    int report[2] = {-1, -1};
    if (pipe2(report, O_CLOEXEC) != 0) return errno;
    const pid_t parent = getpid();
    pid = fork();
    if (pid == 0) becomeProgram(path.c_str(), argv.data(), streams, parent, report[1]);
    const int forkError = errno;
    close(report[1]);
    if (pid < 0) {
        close(report[0]);
        return forkError;
    }
    int execError = 0;
    ssize_t got = 0;
    while ((got = read(report[0], &execError, sizeof execError)) < 0 && errno == EINTR) {
    }
    close(report[0]);
    if (got != static_cast<ssize_t>(sizeof execError)) return 0;  // closed by the exec: it runs
    exitStatusOf(pid);
    pid = -1;
    return execError;
}

int exitStatusOf(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int exitStatusUnlessStopped(pid_t pid, const std::function<bool()>& stopAsked) {
    int status = 0;
    for (;;) {
        const pid_t ended = waitpid(pid, &status, WNOHANG);
        if (ended == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        if (ended < 0 && errno != EINTR) return -1;
        if (stopAsked && stopAsked()) {
            kill(pid, SIGKILL);
            exitStatusOf(pid);
            return -1;
        }
        std::this_thread::sleep_for(STOP_CHECK_INTERVAL);
    }
}
