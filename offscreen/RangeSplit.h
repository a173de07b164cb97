// A capture split into adjacent ranges of whole frames of its schedule, for
// capturing on many machines (tools/farm-capture.sh, tools/farm-capture.sbatch).
#pragma once

#include <cstdint>
#include <vector>

#include "offscreen/RangeTag.h"
#include "player/Player.h"
#include "player/ShowLength.h"

// `whole` in `parts` ranges as near equal as whole frames allow, in order, each
// starting where the one before ends; fewer when there are fewer frames than parts.
std::vector<CapturedRange> splitRange(const CapturedRange& whole, int64_t parts);

// Prints the ranges of a capture of `range` at plan.fps, one per line as the options
// that capture it ("--start 1500ms --end 3000ms"); the exit code.
int runSplit(int64_t parts, const ShowRange& range, RunPlan plan);
