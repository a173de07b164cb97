// Finding construction and message quoting for the script check.
#include "check/ScriptFinding.h"

#include <cstdio>
#include <utility>

#include "script/DemoScript.h"

namespace {
constexpr std::size_t QUOTE_LIMIT = 40;
}  // namespace

Finding scriptFinding(const WordSpan& at, Severity severity, const char* code, std::string message,
                      double seconds) {
    Finding finding;
    finding.file = DemoScript::SCRIPT_FILE;
    finding.line = at.line;
    finding.column = at.column;
    finding.severity = severity;
    finding.code = code;
    finding.message = std::move(message);
    finding.seconds = seconds;
    return finding;
}

std::string quoted(const std::string& word) {
    std::string out = "`";
    for (std::size_t i = 0; i < word.size() && i < QUOTE_LIMIT; ++i) {
        const unsigned char c = static_cast<unsigned char>(word[i]);
        if (c < 32 || c == 127) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    if (word.size() > QUOTE_LIMIT) out += "...";
    return out + "`";
}

std::string plainNumber(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}
