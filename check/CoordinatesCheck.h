// Findings on data/coords.txt, read the way the overlay reads it: blocks for pictures outside
// 0 to 19, more than 10 pieces, a piece cut off by the end of the file, words in a block that are
// not whole numbers, pieces reaching outside the screen, a piece that runs onto the next line.
// Also how many pieces each picture gets.
#pragma once

#include <string>
#include <vector>

#include "check/Finding.h"
#include "check/ShowFacts.h"

constexpr const char* COORDINATES_FILE = "data/coords.txt";

struct CoordinatesInspection {
    std::vector<Finding> findings;
    PieceCounts pieceCounts = onePieceEach();
};

CoordinatesInspection inspectCoordinates(const std::string& text);
