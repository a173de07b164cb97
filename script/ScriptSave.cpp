// The file is swapped with the temporary one in one step (renameat2 RENAME_EXCHANGE), and what
// the swap took out is compared with the bytes read: if a save from outside slipped in after the
// first comparison, it is swapped back. Where the file system cannot swap, a plain rename follows
// a last comparison. A writer still holding the old file open and writing after the swap is out
// of reach of any saver that does not lock, as editors do not.
#include "script/ScriptSave.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/RegularFile.h"

namespace {

namespace fs = std::filesystem;

SaveResult failed(const std::string& path, const std::string& what) {
    return {SaveStatus::Failed, "", path + ": " + what + ": " + std::strerror(errno)};
}

bool writeAll(int file, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = write(file, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// Gives the new file the old one's owner where this process may (root may; anyone else keeps
// their own file, as editors do). False when it could not.
bool keepOwner(int file, const struct stat& status) {
    return fchown(file, status.st_uid, status.st_gid) == 0;
}

// Writes `text` to a new file beside `target` with its owner and mode; its name, or "" (errno set).
std::string writeBeside(const std::string& target, const std::string& text, const struct stat& status) {
    const fs::path place(target);
    std::string name = (place.parent_path() / ("." + place.filename().string() + ".XXXXXX")).string();
    const int file = mkostemp(name.data(), O_CLOEXEC);
    if (file < 0) return "";
    keepOwner(file, status);  // before the mode: a new owner clears set-id bits the mode restores
    bool written = writeAll(file, text) && fchmod(file, status.st_mode & 07777) == 0 && fsync(file) == 0;
    int error = errno;
    if (close(file) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written) return name;
    unlink(name.c_str());
    errno = error;
    return "";
}

void syncFolder(const std::string& target) {
    const std::string folder = fs::path(target).parent_path().string();
    const int file = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (file < 0) return;
    fsync(file);
    close(file);
}

bool exchange(const std::string& a, const std::string& b) {
    return renameat2(AT_FDCWD, a.c_str(), AT_FDCWD, b.c_str(), RENAME_EXCHANGE) == 0;
}

bool exchangeUnsupported() {
    return errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP;
}

SaveResult changedOutside(std::string onDisk) {
    return {SaveStatus::ChangedOutside, std::move(onDisk), ""};
}

// Puts `temporary` in `target`'s place if `target` still holds `read`; `temporary` is gone after.
SaveResult replace(const std::string& target, const std::string& temporary, const std::string& read) {
    if (exchange(temporary, target)) {
        // `temporary` now names what was in place at the swap.
        const std::optional<std::string> replaced = readScriptFile(temporary);
        if (replaced && *replaced == read) {
            unlink(temporary.c_str());
            return {SaveStatus::Saved, "", ""};
        }
        if (!exchange(temporary, target))
            return failed(target, "a save from outside came in during the save and is kept as " + temporary);
        unlink(temporary.c_str());
        return changedOutside(replaced.value_or(""));
    }
    const bool unsupported = exchangeUnsupported();
    const std::optional<std::string> now = unsupported ? readScriptFile(target) : std::nullopt;
    if (unsupported && now && *now == read && rename(temporary.c_str(), target.c_str()) == 0)
        return {SaveStatus::Saved, "", ""};
    const int error = errno;
    unlink(temporary.c_str());
    errno = error;
    if (unsupported && now && *now != read) return changedOutside(*now);
    return failed(target, "cannot replace");
}

}  // namespace

std::optional<std::string> readScriptFile(const std::string& path) {
    std::string text;
    if (!readRegularFile(path.c_str(), text)) return std::nullopt;
    return text;
}

SaveResult saveScript(const std::string& path, const std::string& read, const std::string& text,
                      const std::function<void()>& beforeReplace) {
    char* resolved = realpath(path.c_str(), nullptr);
    if (resolved == nullptr) return failed(path, "cannot find");
    const std::string target = resolved;
    std::free(resolved);
    const std::optional<std::string> onDisk = readScriptFile(target);
    if (!onDisk) return failed(path, "cannot read");
    if (*onDisk != read) return changedOutside(*onDisk);
    struct stat status {};
    if (stat(target.c_str(), &status) != 0) return failed(path, "cannot read");
    const std::string temporary = writeBeside(target, text, status);
    if (temporary.empty()) return failed(path, "cannot write a file beside it");
    if (beforeReplace) beforeReplace();
    SaveResult result = replace(target, temporary, read);
    syncFolder(target);
    return result;
}
