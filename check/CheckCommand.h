// The player's "--check" command: runs the show check in the working directory and prints it.
#pragma once

#include <cstdio>

// Prints the findings as text (or as one JSON array) to `out`; 1 when any is an error, else 0.
int runCheckCommand(bool json, std::FILE* out);
