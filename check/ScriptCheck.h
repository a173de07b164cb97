// The show check of a script's text alone, with the rest of the show given as facts: no file is
// read. For tests, the fuzzer and the benchmark; checkShow uses the same steps on the real files.
#pragma once

#include <string>
#include <vector>

#include "check/Finding.h"
#include "check/ShowFacts.h"

// Every finding on the script text, sorted by line and column.
std::vector<Finding> checkScriptText(const std::string& text, const ShowFacts& facts);
