// Child processes by their parent id in /proc/<pid>/stat. The command name in
// that line may hold spaces and parentheses, so fields are counted after its last ')'.
#include "app/ChildProcesses.h"

#include <signal.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace {

// The parent id of process `pid`, or -1 when it is gone or unreadable.
pid_t parentOf(const std::string& pid) {
    std::ifstream stat("/proc/" + pid + "/stat");
    std::string line;
    if (!std::getline(stat, line)) return -1;
    const size_t nameEnd = line.rfind(')');
    if (nameEnd == std::string::npos) return -1;
    // After the name: " <state> <ppid> ..."
    const size_t ppidStart = line.find(' ', nameEnd + 2);
    if (ppidStart == std::string::npos) return -1;
    return static_cast<pid_t>(std::strtol(line.c_str() + ppidStart + 1, nullptr, 10));
}

bool isProcessId(const std::string& name) {
    return !name.empty() && name.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

std::vector<pid_t> childProcesses() {
    std::vector<pid_t> children;
    const pid_t self = getpid();
    std::error_code error;
    for (std::filesystem::directory_iterator entry("/proc", error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (isProcessId(name) && parentOf(name) == self) {
            children.push_back(static_cast<pid_t>(std::strtol(name.c_str(), nullptr, 10)));
        }
    }
    return children;
}

void killChildProcesses() {
    for (const pid_t child : childProcesses()) kill(child, SIGKILL);
}
