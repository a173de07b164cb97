// The show check of a script's text, with the rest of the show given as facts: the one path
// every check takes. checkShow gathers the facts from the files and reads the song through
// it; tests, the fuzzer and the benchmark give the facts directly, and no file is read.
#pragma once

#include <string>
#include <vector>

#include "check/Finding.h"
#include "check/ScriptWalk.h"
#include "check/ShowFacts.h"

// Every finding on the script text (and on the song, when facts.readSong), sorted by line and column.
// `namedFiles`, when given, receives the picture files the script names, for the picture check.
std::vector<Finding> checkScriptText(const std::string& text, ShowFacts facts,
                                     std::vector<NamedFile>* namedFiles = nullptr);
