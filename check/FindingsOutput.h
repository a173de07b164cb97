// The show check's findings as people and editors read them: compiler-style lines with a count
// line, or one JSON array. Also their order (by file, then line, then column).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "check/Finding.h"

// By file name, then line, then column; findings at one place keep their order.
void sortFindings(std::vector<Finding>& findings);

std::size_t countOf(const std::vector<Finding>& findings, Severity severity);

// One line per finding, "FILE:LINE:COLUMN: error: TEXT" (warning:, note:), LINE and COLUMN 0 for
// the file or line as a whole; then "N errors, M warnings" with the singular for 1 (notes are
// listed, not counted).
std::string formatFindings(const std::vector<Finding>& findings);

// One JSON array of objects: file, line, column, severity ("error", "warning", "note"), code,
// message, and seconds when the finding has a song time. Bytes that are not UTF-8 become U+FFFD.
std::string findingsJson(const std::vector<Finding>& findings);
