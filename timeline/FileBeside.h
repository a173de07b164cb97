// A file written under a hidden name beside its final one and renamed over it only
// once it is complete: a failed write (a full disk, a size limit) never leaves part
// of a timeline under the name, nor takes away the one that was there.
#pragma once

#include <string>

class FileBeside {
public:
    explicit FileBeside(std::string file) : file_(std::move(file)) {}
    ~FileBeside();  // removes what was not put in place
    FileBeside(const FileBeside&) = delete;
    FileBeside& operator=(const FileBeside&) = delete;

    // Makes the hidden file; false with the reason in `error`.
    bool create(std::string& error);
    // Where to write meanwhile.
    const std::string& path() const { return temporary_; }
    // Renames it over the final name; false with the reason in `error`.
    bool putInPlace(std::string& error);

private:
    std::string file_;
    std::string temporary_;
};
