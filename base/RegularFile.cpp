// O_NONBLOCK makes the open of a FIFO return at once; fstat then tells what it is,
// and a regular file is read blocking as usual.
#include "base/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

int openRegularFile(const char* path) {
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        errno = NOT_A_REGULAR_FILE;
        return -1;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

std::FILE* openRegularStream(const char* path) {
    const int fd = openRegularFile(path);
    if (fd < 0) return nullptr;
    std::FILE* file = fdopen(fd, "rb");
    if (file == nullptr) close(fd);
    return file;
}

bool readRegularFile(const char* path, std::string& bytes) {
    std::FILE* file = openRegularStream(path);
    if (file == nullptr) return false;
    bytes.clear();
    char buffer[16384];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
    const bool read = std::ferror(file) == 0;
    std::fclose(file);
    return read;
}

std::string openProblem(int error) {
    return error == NOT_A_REGULAR_FILE ? "not a regular file" : std::strerror(error);
}
