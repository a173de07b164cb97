// Helpers that every part of the script check uses to make its findings: a finding at a word of
// data/script.txt, and a word quoted for a message so that no control byte reaches a terminal.
#pragma once

#include <string>

#include "check/Finding.h"
#include "script/ScriptWords.h"

// A finding in data/script.txt at the start of the word `at`.
Finding scriptFinding(const WordSpan& at, Severity severity, const char* code, std::string message,
                      double seconds = -1.0);

// `word` between backquotes, bytes below 32 and 127 written as \xNN, cut after 40 bytes.
std::string quoted(const std::string& word);

// A number the way a person writes it: 12, 0.5, 1.92.
std::string plainNumber(double value);
