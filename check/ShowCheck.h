// The whole show check: data/script.txt, data/coords.txt, the song the script names and every
// picture the show loads, all relative to the working directory as the player reads them.
// Reads headers and text only; plays nothing, draws nothing, writes nothing.
#pragma once

#include <vector>

#include "check/Finding.h"
#include "check/ShowFacts.h"

// The facts of the show that need no file: the overlay's picture count, every picture one piece,
// the song's length unknown.
ShowFacts showFactsWithoutFiles();

// Every finding, sorted by file, line and column.
std::vector<Finding> checkShow();
