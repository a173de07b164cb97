// Prints the show check; the exit code says whether the show has an error.
#include "check/CheckCommand.h"

#include "check/FindingsOutput.h"
#include "check/ShowCheck.h"

int runCheckCommand(bool json, std::FILE* out) {
    const std::vector<Finding> findings = checkShow();
    const std::string text = json ? findingsJson(findings) : formatFindings(findings);
    std::fwrite(text.data(), 1, text.size(), out);
    std::fflush(out);
    return countOf(findings, Severity::Error) > 0 ? 1 : 0;
}
