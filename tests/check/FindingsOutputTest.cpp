// The two output forms of the show check: compiler-style lines in the order a reader fixes them
// with the count line, and the JSON array editors read.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <vector>

#include "check/FindingsOutput.h"

namespace {

Finding made(const char* file, int32_t line, int32_t column, Severity severity, const char* code,
             const char* message, double seconds = -1.0) {
    Finding finding;
    finding.file = file;
    finding.line = line;
    finding.column = column;
    finding.severity = severity;
    finding.code = code;
    finding.message = message;
    finding.seconds = seconds;
    return finding;
}

TEST(FindingsOutput, TheScriptsUnreadabilityFirstThenLinesThenWholeFilesNamedAlone) {
    std::vector<Finding> findings = {
        made("data/script.txt", 12, 4, Severity::Warning, "b", "third"),
        made("data/title1.jpg", 0, 0, Severity::Error, "c", "last"),
        made("data/script.txt", 0, 0, Severity::Note, "no-end", "a whole script"),
        made("data/script.txt", 3, 9, Severity::Error, "a", "second"),
        made("data/script.txt", 12, 4, Severity::Note, "d", "after third, as given"),
        made("data/coords.txt", 7, 0, Severity::Warning, "e", "another file's line"),
        made("data/script.txt", 0, 0, Severity::Error, "script-missing", "first"),
    };
    sortFindings(findings);
    EXPECT_EQ(formatFindings(findings),
              "data/script.txt: error: first\n"
              "data/script.txt:3:9: error: second\n"
              "data/script.txt:12:4: warning: third\n"
              "data/script.txt:12:4: note: after third, as given\n"
              "data/coords.txt:7: warning: another file's line\n"
              "data/script.txt: note: a whole script\n"
              "data/title1.jpg: error: last\n"
              "3 errors, 2 warnings\n");
    EXPECT_EQ(formatFindings({findings[1]}), "data/script.txt:3:9: error: second\n1 error, 0 warnings\n");
    EXPECT_EQ(formatFindings({}), "0 errors, 0 warnings\n");
}

TEST(FindingsOutput, JsonHasEveryFieldAndSecondsOnlyWhenThereIsATime) {
    const std::vector<Finding> findings = {
        made("data/script.txt", 5, 3, Severity::Error, "unknown-keyword", "unknown `pal\xff`", 1.92),
        made("data/script.txt", 0, 0, Severity::Note, "no-end", "no end line"),
    };
    const nlohmann::json parsed = nlohmann::json::parse(findingsJson(findings));
    ASSERT_TRUE(parsed.is_array());
    ASSERT_EQ(parsed.size(), 2u);
    EXPECT_EQ(parsed[0], nlohmann::json::parse(R"({"file": "data/script.txt", "line": 5, "column": 3,
        "severity": "error", "code": "unknown-keyword", "message": "unknown `pal\ufffd`", "seconds": 1.92})"));
    EXPECT_EQ(parsed[1]["severity"], "note");
    EXPECT_FALSE(parsed[1].contains("seconds"));
    EXPECT_EQ(nlohmann::json::parse(findingsJson({})), nlohmann::json::array());
}

}  // namespace
