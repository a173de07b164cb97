// coords.txt: one "new" block per picture that the show reveals piece by piece,
// each piece as x1 y1 x2 y2 in 640 x 480 screen pixels, closed by "end".
#pragma once

#include <string>
#include <vector>

#include "tools/datagen/PictureSet.h"

constexpr int MAX_PIECES = 10;  // the player holds at most this many per picture

// Aborts if a block has more pieces than the player holds (a fault in the layouts).
std::string coordsText(const std::vector<PieceBlock>& blocks);
