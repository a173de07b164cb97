// inotify on the folders of the watched files, read without waiting.
#include "app/FileWatch.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace {

constexpr uint32_t EVENTS =
    IN_MODIFY | IN_CLOSE_WRITE | IN_MOVED_TO | IN_CREATE | IN_DELETE | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF;

std::string folderOf(const std::string& file) {
    const std::string folder = std::filesystem::path(file).parent_path().string();
    return folder.empty() ? "." : folder;
}

std::string joined(const std::string& folder, const char* name) {
    return folder == "." ? std::string(name) : folder + "/" + name;
}

// A close after writing and a rename into place finish a write; a change of mode or
// owner says nothing either way; anything else may be followed by more.
constexpr uint32_t FINISHED = IN_CLOSE_WRITE | IN_MOVED_TO;

}  // namespace

FileWatch::FileWatch(const std::vector<std::string>& files)
    : descriptor_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    add(files);
}

FileWatch::~FileWatch() {
    if (descriptor_ >= 0) close(descriptor_);
}

void FileWatch::add(const std::vector<std::string>& files) {
    if (descriptor_ < 0) return;
    for (const std::string& file : files) {
        if (file.empty()) continue;
        files_.insert(file);
        const std::string folder = folderOf(file);
        if (!watchFolder(folder)) missing_.insert(folder);
    }
}

bool FileWatch::watchFolder(const std::string& folder) {
    const int watch = inotify_add_watch(descriptor_, folder.c_str(), EVENTS);
    if (watch < 0) return false;
    folders_[watch] = folder;
    return true;
}

// The folder is gone (deleted, or moved away: the watch would follow it elsewhere).
void FileWatch::lose(int watch) {
    const auto folder = folders_.find(watch);
    if (folder == folders_.end()) return;
    missing_.insert(folder->second);
    folders_.erase(folder);
    inotify_rm_watch(descriptor_, watch);
}

// A folder made again may hold new files already: all of its watched files count.
void FileWatch::watchReturnedFolders(std::set<std::string>& names) {
    for (auto folder = missing_.begin(); folder != missing_.end();) {
        if (!watchFolder(*folder)) {
            ++folder;
            continue;
        }
        for (const std::string& file : files_) {
            if (folderOf(file) == *folder) names.insert(file);
        }
        folder = missing_.erase(folder);
    }
}

void FileWatch::noteChange(const std::string& file, uint32_t mask) {
    if ((mask & FINISHED) != 0) {
        complete_[file] = true;
    } else if ((mask & IN_ATTRIB) == 0 || complete_.count(file) == 0) {
        complete_[file] = false;
    }
}

bool FileWatch::writeComplete(const std::string& file) const {
    const auto found = complete_.find(file);
    return found != complete_.end() && found->second;
}

std::vector<std::string> FileWatch::touched() {
    std::set<std::string> names;
    alignas(inotify_event) char buffer[8192];
    while (descriptor_ >= 0) {
        const ssize_t length = read(descriptor_, buffer, sizeof buffer);
        if (length <= 0) break;  // EAGAIN: nothing more for now
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            const auto folder = folders_.find(event->wd);
            if ((event->mask & (IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED)) != 0) {
                lose(event->wd);
            } else if (folder != folders_.end() && event->len > 0) {
                const std::string file = joined(folder->second, event->name);
                if (files_.count(file) != 0) {
                    names.insert(file);
                    noteChange(file, event->mask);
                }
            }
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    if (!missing_.empty()) watchReturnedFolders(names);
    return {names.begin(), names.end()};
}
