#include "timeline/FileBeside.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

FileBeside::~FileBeside() {
    if (!temporary_.empty()) std::remove(temporary_.c_str());
}

bool FileBeside::create(std::string& error) {
    const std::filesystem::path file(file_);
    const std::string folder = file.has_parent_path() ? file.parent_path().string() : ".";
    std::string pattern = folder + "/." + file.filename().string() + ".partial-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    // mkstemp makes 0600; the finished file gets the usual permissions.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    close(fd);
    temporary_ = name.data();
    return true;
}

bool FileBeside::putInPlace(std::string& error) {
    if (std::rename(temporary_.c_str(), file_.c_str()) != 0) {
        error = std::strerror(errno);
        return false;
    }
    temporary_.clear();
    return true;
}
