// coords.txt: one "new" block per picture that the show reveals piece by piece,
// each piece as x1 y1 x2 y2 in 640 x 480 screen pixels, closed by "end".
#pragma once

#include <string>
#include <vector>

#include "generator/TextRenderer.h"

constexpr int MAX_PIECES = 10;  // the player holds at most this many per picture

struct PieceBlock {
    int overlayIndex = 0;
    std::vector<TextBox> pieces;
};

// The file's opening words: the reader skips every word outside a block but the one
// that opens a block, so a heading that never says it reads as a comment.
constexpr const char* COORDS_HEADING =
    "pieces of the pictures revealed one by one, x1 y1 x2 y2 in 640 x 480 pixels\n";

// Aborts if a block has more pieces than the player holds (a fault in the layouts).
std::string coordsText(const std::vector<PieceBlock>& blocks, const std::string& heading = COORDS_HEADING);
