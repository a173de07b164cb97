// The coordinates file of a new show: the pieces that the new script reveals one by
// one, with comments that say how the file is read.
#pragma once

#include <string>
#include <vector>

#include "generator/TextRenderer.h"

// Four bands of the 640 x 480 screen, top to bottom: what nextPiece reveals in turn.
std::vector<TextBox> newShowPieces();
std::string newShowCoordinates();
