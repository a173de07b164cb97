// Checks of the command line's numeric options whose refusals read as a sentence
// ("--frames: expects a whole number of 1 or more, not -1"); no parsing of the rest.
#pragma once

#include <CLI/CLI.hpp>
#include <cstdint>

// A whole number from `least` to `most`, inclusive; `most` at its type's maximum
// reads as "or more".
CLI::Validator wholeNumberFrom(int64_t least, int64_t most = INT64_MAX);
