// The command line of capture at any size, in ranges and across machines: --size,
// --crf, --preset, --split and --join. Malformed values are usage errors as the
// line is read; the size against this machine's GL is checked afterwards.
#pragma once

#include <CLI/CLI.hpp>

#include "app/RunOptions.h"

void addScaleOptions(CLI::App& cli, RunOptions& options);
// Throws CLI::ValidationError when the asked frame is larger than this GL draws.
void checkSizeAgainstGl(const RunOptions& options);
