// The show check's findings as people and editors read them: compiler-style lines with a count
// line, or one JSON array. Also their order: the script's, then other files' lines, then what
// concerns a file as a whole.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "check/Finding.h"

// A script that cannot be read first (nothing else about it counts then); the script's lines;
// other files' lines by file name; then findings on whole files, the script's first. Within one
// file by line, then column; findings at one place keep their order.
void sortFindings(std::vector<Finding>& findings);

// Where a finding is, as editors jump to it: "FILE:LINE:COLUMN", "FILE:LINE" for a whole line,
// "FILE" for a whole file.
std::string findingPlace(const Finding& finding);

std::size_t countOf(const std::vector<Finding>& findings, Severity severity);

// One line per finding, "PLACE: error: TEXT" (warning:, note:), then "N errors, M warnings" with
// the singular for 1 (notes are listed, not counted).
std::string formatFindings(const std::vector<Finding>& findings);

// One JSON array of objects: file, line, column, severity ("error", "warning", "note"), code,
// message, and seconds when the finding has a song time. Bytes that are not UTF-8 become U+FFFD.
std::string findingsJson(const std::vector<Finding>& findings);
