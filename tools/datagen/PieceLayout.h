// Turns the ink boxes of a card's pieces into reveal rectangles: grown by a margin
// so the glow around the letters shows too, clipped to the screen, and cut apart
// where neighbours would overlap (the player adds overlapping pieces twice).
#pragma once

#include <vector>

#include "generator/TextRenderer.h"

constexpr int PIECE_MARGIN = 14;

std::vector<TextBox> padPieces(const std::vector<TextBox>& ink, int margin, int screenWidth,
                               int screenHeight);
bool overlaps(const TextBox& a, const TextBox& b);
