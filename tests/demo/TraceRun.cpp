// Runs the player binary and splits its trace into fields.
#include "tests/demo/TraceRun.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "tests/support/Process.h"

double TraceLine::number(const std::string& key) const {
    return std::stod(fields.at(key));
}

std::vector<int> TraceLine::events() const {
    std::vector<int> kinds;
    const std::string& text = fields.at("events");
    if (text == "-") return kinds;
    std::stringstream in(text);
    std::string item;
    while (std::getline(in, item, ',')) kinds.push_back(std::stoi(item));
    return kinds;
}

namespace {

TraceLine parseLine(const std::string& line) {
    TraceLine parsed;
    std::stringstream in(line);
    std::string field;
    while (in >> field) {
        const size_t equals = field.find('=');
        if (equals != std::string::npos) parsed.fields[field.substr(0, equals)] = field.substr(equals + 1);
    }
    return parsed;
}

}  // namespace

RunResult runFlashstep(const std::string& folder, const std::string& arguments) {
    const std::string command = "cd '" + folder + "' && '" FLASHSTEP_EXE "' " + arguments;
    const ProcessResult process = runCommand(command, folder + "/.stderr");
    RunResult result;
    result.exitCode = process.exitCode;
    result.rawStdout = process.out;
    result.rawStderr = process.err;
    std::stringstream lines(result.rawStdout);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("frame=", 0) == 0) result.lines.push_back(parseLine(line));
    }
    return result;
}

std::string writeShow(const std::string& folder, const std::string& script) {
    std::ofstream(folder + "/.keep").put('\n');
    const std::string path = folder + "/data/script.txt";
    std::system(("mkdir -p '" + folder + "/data'").c_str());
    std::ofstream(path) << script;
    return path;
}
