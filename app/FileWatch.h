// Watches files of the show by name with inotify: their folders are watched, so a
// file written in place and one replaced by a rename (as vim, VS Code and sed -i
// save) both count, whatever inode the name has now. A folder that is deleted or
// moved away is watched again once it is back, and then every watched file in it
// counts as touched. It also tells whether a file's latest change finished a write
// (closed after writing, or renamed into place), so that the reader need not wait
// to see whether more is coming. Never blocks.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

class FileWatch {
public:
    explicit FileWatch(const std::vector<std::string>& files);
    ~FileWatch();
    FileWatch(const FileWatch&) = delete;
    FileWatch& operator=(const FileWatch&) = delete;

    // Also watches these (e.g. a song the script names now); known ones are kept.
    void add(const std::vector<std::string>& files);
    // The watched files touched since the last call, each once, as they were named.
    std::vector<std::string> touched();
    // Whether the latest change to `file` seen by touched() completed a write.
    bool writeComplete(const std::string& file) const;
    bool watching() const { return descriptor_ >= 0; }

private:
    bool watchFolder(const std::string& folder);
    void lose(int watch);
    void watchReturnedFolders(std::set<std::string>& names);
    void noteChange(const std::string& file, uint32_t mask);

    int descriptor_ = -1;
    std::map<int, std::string> folders_;  // watch descriptor -> folder as named ("data")
    std::set<std::string> missing_;       // folders of watched files that are not there now
    std::set<std::string> files_;
    std::map<std::string, bool> complete_;  // per touched file: its latest change finished a write
};
