// `flashstep --shift FROM BY [--dry-run]`: every event of data/script.txt at or after FROM moved
// by BY (a longer intro, a cut section), only their time words rewritten, and the file saved as
// the editor saves it. With `dryRun` the change is printed as a unified diff and nothing written.
#pragma once

#include <string>

// FROM and BY are times as --start takes them; BY may start with "-". Returns the exit code:
// 0, or 1 with the reason on standard error (a time that is none, a shift refused, a file that
// cannot be read or that changed during the shift).
int runShiftCommand(const std::string& from, const std::string& by, bool dryRun);
