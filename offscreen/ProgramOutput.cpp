// A child with a pipe from the child's standard output, read until it closes,
// then the exit status. Standard input is /dev/null so the child never waits on us.
#include "offscreen/ProgramOutput.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "offscreen/ChildSpawn.h"

namespace {

void readAll(int fd, std::string& output) {
    char buffer[8192];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got > 0) {
            output.append(buffer, static_cast<size_t>(got));
        } else if (got == 0 || errno != EINTR) {
            return;
        }
    }
}

}  // namespace

bool runForOutput(const std::string& path, const std::vector<std::string>& args, std::string& output,
                  std::string& error) {
    output.clear();
    int ends[2] = {-1, -1};
    if (pipe2(ends, O_CLOEXEC) != 0) {
        error = std::strerror(errno);
        return false;
    }
    pid_t pid = -1;
    const int spawned = spawnChild(path, args, ChildStreams{-1, ends[1]}, pid);
    close(ends[1]);
    if (spawned != 0) {
        close(ends[0]);
        error = std::strerror(spawned);
        return false;
    }
    readAll(ends[0], output);
    close(ends[0]);
    const int status = exitStatusOf(pid);
    if (status != 0) error = path + " exited with status " + std::to_string(status);
    return status == 0;
}
