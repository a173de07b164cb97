// Where a new show is written: a folder that does not exist yet or is empty. The
// show is made in a staging folder beside it and put in place whole at the end, so
// a show that fails half-way leaves nothing behind and the target is never touched.
#pragma once

#include <filesystem>
#include <string>

// Why the folder cannot take a new show; empty when it can.
std::string targetFolderProblem(const std::filesystem::path& folder);

class StagingFolder {
public:
    // Makes a fresh folder beside `target` (creating target's parents if need be);
    // `error` says why when it cannot, and path() is then empty.
    StagingFolder(const std::filesystem::path& target, std::string& error);
    // Removes the staging folder and everything in it unless it was put in place.
    ~StagingFolder();
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Renames the staging folder to the target (which may be an empty folder).
    bool putInPlace(std::string& error);

private:
    std::filesystem::path target_;
    std::filesystem::path path_;
    bool placed_ = false;
};
