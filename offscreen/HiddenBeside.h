// The hidden files and folders a run writes beside its output before the output
// takes its name (".NAME.partial-XXXXXX", ".NAME.frames-XXXXXX", ".NAME.join-XXXXXX";
// a % in NAME written as #).
// Each is locked for as long as its run holds it, so the next run for the same
// output can tell the ones a killed run left behind (no lock) from those of a run
// still going, and removes only the first.
#pragma once

#include <string>

class HiddenBeside {
public:
    enum class Kind { File, Folder };

    HiddenBeside() = default;
    ~HiddenBeside();  // removes it unless it was handed over
    HiddenBeside(const HiddenBeside&) = delete;
    HiddenBeside& operator=(const HiddenBeside&) = delete;

    // Makes and locks ".NAME.<role>-XXXXXX" beside `output`; false with the reason in `error`.
    bool create(const std::string& output, const char* role, Kind kind, std::string& error);
    const std::string& path() const { return path_; }
    // Removes it and everything in it.
    void remove();
    // It was renamed into place: nothing is left to remove; the lock goes.
    void handOver();

private:
    void unlock();

    std::string path_;
    int lock_ = -1;
};

// Removes the hidden files and folders beside `output` that no live run holds.
void removeLeftBehind(const std::string& output);
