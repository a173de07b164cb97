// Reader of the overlay's piece rectangles ("data/coords.txt"): blocks of
// "new <picture> x1 y1 x2 y2 ... end" in screen pixels, stored as screen fractions.
// Knows nothing of textures or drawing, so it can be tested and fuzzed alone.
#pragma once

#include <cstdio>

#include "overlay/ImageOverlay.h"

using PieceSets = PieceSet[ImageOverlay::MAX_IMAGES];

// Reads every block of an open file into `pieces`. A block for a picture outside
// the array is read and dropped; pieces past the tenth are read and dropped.
void readCoordinatesStream(std::FILE* file, PieceSets& pieces);

// Opens `fileName` and reads it; false, with `pieces` untouched, if it cannot be opened.
bool readCoordinatesFile(const char* fileName, PieceSets& pieces);

// The integer at the start of a word: an optional sign and digits, anything after
// them ignored, 0 without digits; clamped to the 32-bit range instead of overflowing.
int32_t parseCoordinate(const char* word);
