// Finding the show's folder and warning about a missing script. The executable's
// own path comes from /proc/self/exe, which names the real file, not a link to it.
#include "app/ShowFolder.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "base/Printable.h"
#include "script/DemoScript.h"

namespace fs = std::filesystem;

namespace {

bool enter(const std::string& folder) {
    if (chdir(folder.c_str()) == 0) return true;
    std::fprintf(stderr, "flashstep: cannot change into %s: %s\n", printable(folder).c_str(),
                 std::strerror(errno));
    return false;
}

// The data set installed with the executable at `executable`; empty when there is none.
std::string installedShowFolder(const std::string& executable) {
    const fs::path folder = fs::path(executable).parent_path().parent_path() / "share" / "flashstep";
    std::error_code error;
    return fs::is_directory(folder / "data", error) ? folder.string() : "";
}

}  // namespace

bool enterShowFolder(const std::string& dataDir) {
    if (!dataDir.empty()) return enter(dataDir);
    std::error_code error;
    if (fs::exists(DemoScript::SCRIPT_FILE, error)) return true;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (error) return true;
    const std::string installed = installedShowFolder(executable.string());
    return installed.empty() || enter(installed);
}

void warnIfScriptMissing() {
    std::error_code error;
    if (fs::exists(DemoScript::SCRIPT_FILE, error)) return;
    std::fprintf(stderr, "flashstep: warning: no script at %s; the show runs without its events\n",
                 printable(fs::absolute(DemoScript::SCRIPT_FILE, error).string()).c_str());
}
