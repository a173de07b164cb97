// flock on a descriptor kept open (close-on-exec, so no child inherits it): the
// kernel lets go of it when the process ends, however it ends.
#include "offscreen/HiddenBeside.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr const char* ROLES[] = {"partial-", "frames-", "join-"};
constexpr size_t RANDOM_PART = 6;  // mkstemp's XXXXXX

std::string folderOf(const std::string& output) {
    const fs::path path(output);
    return path.has_parent_path() ? path.parent_path().string() : ".";
}

// A frame pattern's % would be read again by ffmpeg in the folder's name: it becomes #.
std::string hiddenPrefix(const std::string& output) {
    std::string name = fs::path(output).filename().string();
    std::replace(name.begin(), name.end(), '%', '#');
    return "." + name + ".";
}

// mkstemp makes 0600; a finished capture gets the usual permissions.
void giveUsualPermissions(int fd) {
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
}

bool leftBy(const std::string& name, const std::string& prefix) {
    if (name.compare(0, prefix.size(), prefix) != 0) return false;
    const std::string rest = name.substr(prefix.size());
    for (const char* role : ROLES) {
        const size_t length = std::strlen(role);
        if (rest.size() == length + RANDOM_PART && rest.compare(0, length, role) == 0) return true;
    }
    return false;
}

// True when no process holds the lock of `path` (then it is ours to remove).
bool unheld(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return false;
    const bool free = flock(fd, LOCK_EX | LOCK_NB) == 0;
    close(fd);
    return free;
}

}  // namespace

HiddenBeside::~HiddenBeside() {
    remove();
}

bool HiddenBeside::create(const std::string& output, const char* role, Kind kind, std::string& error) {
    std::string pattern = folderOf(output) + "/" + hiddenPrefix(output) + role + "-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int fd = -1;
    if (kind == Kind::File) {
        fd = mkostemp(name.data(), O_CLOEXEC);
        if (fd >= 0) giveUsualPermissions(fd);
    } else if (mkdtemp(name.data()) != nullptr) {
        fd = open(name.data(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) rmdir(name.data());
    }
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    flock(fd, LOCK_EX);
    path_ = name.data();
    lock_ = fd;
    return true;
}

void HiddenBeside::remove() {
    if (!path_.empty()) {
        std::error_code code;
        fs::remove_all(path_, code);
        path_.clear();
    }
    unlock();
}

void HiddenBeside::handOver() {
    path_.clear();
    unlock();
}

void HiddenBeside::unlock() {
    if (lock_ >= 0) close(lock_);
    lock_ = -1;
}

void removeLeftBehind(const std::string& output) {
    const std::string prefix = hiddenPrefix(output);
    std::error_code code;
    std::vector<fs::path> stale;
    for (const fs::directory_entry& entry : fs::directory_iterator(folderOf(output), code)) {
        const std::string name = entry.path().filename().string();
        if (leftBy(name, prefix) && unheld(entry.path().string())) stale.push_back(entry.path());
    }
    for (const fs::path& path : stale) fs::remove_all(path, code);
}
