// Data set copies, whole-show runs and the cached trace of the intact show.
#include "tests/robustness/ShowCopy.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/Files.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {

bool newerThan(const fs::path& cache, const fs::path& source) {
    std::error_code error;
    const auto cacheTime = fs::last_write_time(cache, error);
    if (error) return false;
    const auto sourceTime = fs::last_write_time(source, error);
    return !error && cacheTime > sourceTime;
}

// Written under a unique name and renamed into place: tests running side by side
// may both compute it, and a reader never sees half a file.
void storeAtomically(const fs::path& path, const std::string& text) {
    const fs::path partial = path.string() + ".partial." + std::to_string(getpid());
    std::ofstream(partial, std::ios::binary) << text;
    fs::rename(partial, path);
}

std::string computeIntactTrace() {
    const fs::path cache = fs::path(FLASHSTEP_DATA_DIR).parent_path() / "robustness-intact-trace.txt";
    if (newerThan(cache, FLASHSTEP_EXE) && newerThan(cache, fs::path(FLASHSTEP_DATA_DIR) / "script.txt")) {
        return readFile(cache);
    }
    TempDir folder;
    copyDataSet(folder.path());
    const PlayerRun run = playShow(folder.path(), WHOLE_SHOW_FRAMES, WHOLE_SHOW_DT_MS);
    if (run.exitCode != 0 || run.lines.size() != static_cast<size_t>(WHOLE_SHOW_FRAMES)) return "";
    storeAtomically(cache, run.out);
    return run.out;
}

}  // namespace

void copyDataSet(const std::string& folder) {
    fs::copy(FLASHSTEP_DATA_DIR, fs::path(folder) / "data", fs::copy_options::recursive);
}

PlayerRun playShow(const std::string& folder, int frames, int dtMs) {
    return runPlayer(folder,
                        "--frames " + std::to_string(frames) + " --dt " + std::to_string(dtMs) + " --trace");
}

const std::string& intactWholeShowTrace() {
    static const std::string trace = computeIntactTrace();
    return trace;
}

bool hasSanitizerReport(const std::string& stderrText) {
    for (const char* mark : {"Sanitizer", "runtime error:", "LeakSanitizer", "SUMMARY:"}) {
        if (stderrText.find(mark) != std::string::npos) return true;
    }
    return false;
}
