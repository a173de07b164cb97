// Temporary capture files beside the target, committed by rename so that a
// failed or interrupted capture never leaves a half-written file under the name.
#include "offscreen/CaptureTarget.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string folderOf(const std::string& file) {
    const size_t slash = file.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : file.substr(0, slash);
}

std::string nameOf(const std::string& file) {
    const size_t slash = file.rfind('/');
    return slash == std::string::npos ? file : file.substr(slash + 1);
}

// An existing directory, or a file we may not write, under the target's name.
bool targetTaken(const std::string& file, std::string& error) {
    struct stat info {};
    if (stat(file.c_str(), &info) != 0) return false;
    if (S_ISDIR(info.st_mode)) {
        error = std::strerror(EISDIR);
        return true;
    }
    if (access(file.c_str(), W_OK) != 0) {
        error = std::strerror(errno);
        return true;
    }
    return false;
}

// mkstemp makes 0600; a finished capture gets the usual permissions.
void giveUsualPermissions(int fd) {
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
}

bool createTemporaryFile(const std::string& file, std::string& temporary, std::string& error) {
    std::string pattern = folderOf(file) + "/." + nameOf(file) + ".partial-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    giveUsualPermissions(fd);
    close(fd);
    temporary = name.data();
    return true;
}

bool createTemporaryFolder(const std::string& file, std::string& temporary, std::string& error) {
    std::string pattern = folderOf(file) + "/.flashstep-frames-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (mkdtemp(name.data()) == nullptr) {
        error = std::strerror(errno);
        return false;
    }
    temporary = name.data();
    return true;
}

// Moves every frame out of the folder; on a failure takes the moved ones back out.
bool moveFrames(const std::string& from, const std::string& to, std::string& error) {
    std::vector<fs::path> moved;
    std::error_code code;
    for (const fs::directory_entry& entry : fs::directory_iterator(from, code)) {
        const fs::path destination = fs::path(to) / entry.path().filename();
        fs::rename(entry.path(), destination, code);
        if (code) break;
        moved.push_back(destination);
    }
    if (!code) return true;
    error = code.message();
    for (const fs::path& frame : moved) fs::remove(frame, code);
    return false;
}

}  // namespace

CaptureTarget::~CaptureTarget() {
    discard();
}

bool CaptureTarget::prepare(const std::string& target, CaptureKind captureKind, std::string& error) {
    file = target;
    kind = captureKind;
    if (targetTaken(file, error)) return false;
    if (kind == CaptureKind::PngFrames) return createTemporaryFolder(file, temporary, error);
    return createTemporaryFile(file, temporary, error);
}

std::string CaptureTarget::writePath() const {
    return kind == CaptureKind::PngFrames ? temporary + "/" + nameOf(file) : temporary;
}

bool CaptureTarget::commit(std::string& error) {
    if (temporary.empty()) {
        error = "nothing was written";
        return false;
    }
    bool ok = true;
    if (kind == CaptureKind::PngFrames) {
        ok = moveFrames(temporary, folderOf(file), error);
    } else if (std::rename(temporary.c_str(), file.c_str()) != 0) {
        error = std::strerror(errno);
        ok = false;
    }
    discard();
    return ok;
}

void CaptureTarget::discard() {
    if (temporary.empty()) return;
    std::error_code code;
    fs::remove_all(temporary, code);
    temporary.clear();
}
