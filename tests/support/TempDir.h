// A scratch folder for one test, removed with everything in it afterwards.
#pragma once

#include <string>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    // Full path of a file inside the folder.
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    // Writes `contents` to a file inside the folder (creating sub-folders) and returns its path.
    std::string write(const std::string& name, const std::string& contents) const;

private:
    std::string path_;
};
