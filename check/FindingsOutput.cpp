// Formatting of findings. The text form follows the compiler convention so that editors and
// terminals that jump to "file:line:column" work unchanged.
#include "check/FindingsOutput.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <tuple>

#include "check/FindingCodes.h"
#include "script/DemoScript.h"

namespace {

std::string counted(std::size_t count, const char* noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

// Which group a finding is listed in, in the order sortFindings promises.
int groupOf(const Finding& finding) {
    const bool script = finding.file == DemoScript::SCRIPT_FILE;
    if (script && finding.code == code::SCRIPT_MISSING) return 0;
    if (finding.line > 0) return script ? 1 : 2;
    return script ? 3 : 4;
}

}  // namespace

void sortFindings(std::vector<Finding>& findings) {
    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        const int groupA = groupOf(a);
        const int groupB = groupOf(b);
        return std::tie(groupA, a.file, a.line, a.column) < std::tie(groupB, b.file, b.line, b.column);
    });
}

std::string findingPlace(const Finding& finding) {
    if (finding.line <= 0) return finding.file;
    const std::string line = finding.file + ":" + std::to_string(finding.line);
    return finding.column <= 0 ? line : line + ":" + std::to_string(finding.column);
}

std::size_t countOf(const std::vector<Finding>& findings, Severity severity) {
    return static_cast<std::size_t>(std::count_if(
        findings.begin(), findings.end(), [severity](const Finding& f) { return f.severity == severity; }));
}

std::string formatFindings(const std::vector<Finding>& findings) {
    std::string out;
    for (const Finding& f : findings) {
        out += findingPlace(f) + ": " + severityName(f.severity) + ": " + f.message + "\n";
    }
    out += counted(countOf(findings, Severity::Error), "error") + ", " +
           counted(countOf(findings, Severity::Warning), "warning") + "\n";
    return out;
}

std::string findingsJson(const std::vector<Finding>& findings) {
    nlohmann::ordered_json array = nlohmann::ordered_json::array();
    for (const Finding& f : findings) {
        nlohmann::ordered_json entry = {{"file", f.file},     {"line", f.line},
                                        {"column", f.column}, {"severity", severityName(f.severity)},
                                        {"code", f.code},     {"message", f.message}};
        if (f.seconds >= 0.0) entry["seconds"] = f.seconds;
        array.push_back(std::move(entry));
    }
    return array.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}
