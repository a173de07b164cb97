// Reads a piece coordinates file the way the player does (words; "new", index,
// groups of four integers, "end"), for checking the generated one.
#pragma once

#include <map>
#include <string>
#include <vector>

struct PieceRect {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

// Blocks by picture index; a later block for the same index replaces the earlier.
std::map<int, std::vector<PieceRect>> readCoords(const std::string& path);
