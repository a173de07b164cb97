// libFuzzer target for the show check: any bytes checked as a script (with the show's facts
// given, no files) and as a coordinates file, then printed both ways. Aborts when a finding
// breaks the check's own promises; sanitizers catch the memory and arithmetic faults.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "check/CoordinatesCheck.h"
#include "check/FindingCodes.h"
#include "check/FindingsOutput.h"
#include "check/ScriptCheck.h"
#include "script/DemoScript.h"

namespace {

void require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "check_fuzz: %s\n", what);
    std::abort();
}

// The order the check promises: an unreadable script first, then the script's lines, other
// files' lines, and findings on whole files last (the script's first).
int listGroup(const Finding& f) {
    const bool script = f.file == DemoScript::SCRIPT_FILE;
    if (script && f.code == code::SCRIPT_MISSING) return 0;
    if (f.line > 0) return script ? 1 : 2;
    return script ? 3 : 4;
}

bool inOrder(const Finding& a, const Finding& b) {
    if (listGroup(a) != listGroup(b)) return listGroup(a) < listGroup(b);
    if (a.file != b.file) return a.file < b.file;
    if (a.line != b.line) return a.line < b.line;
    return a.column <= b.column;
}

void checkFindings(const std::vector<Finding>& findings, bool printed) {
    for (size_t i = 0; i < findings.size(); ++i) {
        const Finding& f = findings[i];
        require(!f.file.empty() && !f.code.empty() && !f.message.empty(), "empty field");
        require(f.line >= 0 && f.column >= 0 && (f.line > 0 || f.column == 0), "position out of range");
        require(i == 0 || inOrder(findings[i - 1], f), "findings out of order");
    }
    // Printing is the same for every list; once per input keeps the runs quick.
    if (!printed) return;
    const std::string text = formatFindings(findings);
    size_t lines = 0;
    for (char c : text) lines += c == '\n' ? 1 : 0;
    require(lines >= findings.size() + 1, "a finding without its line");
    const nlohmann::json parsed = nlohmann::json::parse(findingsJson(findings), nullptr, false);
    require(parsed.is_array() && parsed.size() == findings.size(), "JSON does not hold every finding");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CoordinatesInspection coordinates = inspectCoordinates(text);
    sortFindings(coordinates.findings);
    checkFindings(coordinates.findings, false);

    ShowFacts facts;
    facts.pictureCount = 18;
    facts.songSeconds = 60.0;
    facts.pieceCounts = coordinates.pieceCounts;
    checkFindings(checkScriptText(text, facts), true);
    facts.coordinatesRead = false;
    facts.songSeconds = -1.0;
    checkFindings(checkScriptText(text, facts), false);
    return 0;
}
