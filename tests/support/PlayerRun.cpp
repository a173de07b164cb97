// The player binary through the shell, and its trace split into fields.
#include "tests/support/PlayerRun.h"

#include <filesystem>
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

std::vector<TraceLine> traceLinesOf(const std::string& out) {
    std::vector<TraceLine> lines;
    std::stringstream text(out);
    std::string line;
    while (std::getline(text, line)) {
        if (line.rfind("frame=", 0) == 0) lines.push_back(parseLine(line));
    }
    return lines;
}

}  // namespace

PlayerRun runPlayer(const std::string& folder, const std::string& arguments, const std::string& environment) {
    const std::string command =
        "cd '" + folder + "' && env " + environment + " '" FLASHSTEP_EXE "' " + arguments;
    const std::string errFile = std::filesystem::path(folder).lexically_normal().string() + ".stderr";
    const ProcessResult process = runCommand(command, errFile);
    PlayerRun run;
    run.exitCode = process.exitCode;
    run.out = process.out;
    run.err = process.err;
    run.lines = traceLinesOf(run.out);
    return run;
}

std::string writeShow(const std::string& folder, const std::string& script) {
    std::filesystem::create_directories(folder + "/data");
    const std::string path = folder + "/data/script.txt";
    std::ofstream(path, std::ios::binary) << script;
    return path;
}
