// Writes the whole data set into OUTDIR/data/: every picture, the song, the
// script and the piece coordinates. The same bytes on every run.
#pragma once

#include <string>

// False, with messages on standard error, if anything could not be made.
bool writeDataSet(const std::string& outDir);
