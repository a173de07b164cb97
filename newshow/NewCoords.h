// The coordinates file of a new show: the pieces that the new script reveals one by
// one, with comments that say how the file is read.
#pragma once

#include <string>
#include <vector>

// A rectangle of the 640 x 480 screen, in pixels, right and bottom exclusive.
struct ScreenPiece {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Four bands, top to bottom: what nextPiece reveals in turn.
std::vector<ScreenPiece> newShowPieces();
std::string newShowCoordinates();
