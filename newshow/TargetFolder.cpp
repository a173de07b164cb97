// rename(2) replaces an empty folder in one step, and the staging folder sits in
// the target's own parent, so the rename never crosses file systems.
#include "newshow/TargetFolder.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace fs = std::filesystem;

std::string targetFolderProblem(const fs::path& folder) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(folder, error);
    if (status.type() == fs::file_type::not_found) return "";
    if (error) return folder.string() + " cannot be looked at: " + error.message();
    if (status.type() != fs::file_type::directory)
        return folder.string() + " is not a folder: give a new or empty folder";
    const bool empty = fs::is_empty(folder, error);
    if (error) return folder.string() + " cannot be read: " + error.message();
    if (!empty)
        return folder.string() + " is not empty: give a new or empty folder, so nothing is overwritten";
    return "";
}

StagingFolder::StagingFolder(const fs::path& target, std::string& error) : target_(fs::absolute(target)) {
    std::error_code made;
    fs::create_directories(target_.parent_path(), made);
    if (made) {
        error = "cannot make " + target_.parent_path().string() + ": " + made.message();
        return;
    }
    std::string pattern =
        (target_.parent_path() / ("." + target_.filename().string() + ".new-XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (mkdtemp(name.data()) == nullptr) {
        error = "cannot make a folder in " + target_.parent_path().string() + ": " + std::strerror(errno);
        return;
    }
    path_ = name.data();
    // mkdtemp keeps the folder to its owner; the show is an ordinary folder.
    const mode_t mask = umask(0);
    umask(mask);
    chmod(path_.c_str(), 0777 & ~mask);
}

StagingFolder::~StagingFolder() {
    if (placed_ || path_.empty()) return;
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

bool StagingFolder::putInPlace(std::string& error) {
    if (std::rename(path_.c_str(), target_.c_str()) != 0) {
        error = "cannot put the show in place as " + target_.string() + ": " + std::strerror(errno);
        return false;
    }
    placed_ = true;
    return true;
}
