// Paints every picture of the show and writes it under its file name in the data
// folder. Returns the reveal rectangles of the cards shown piece by piece, for
// the coordinates file.
#pragma once

#include <string>
#include <vector>

#include "generator/CoordsWriter.h"
#include "generator/TextRenderer.h"

// False (with a message on standard error) when a file could not be written.
bool writePictures(const std::string& dataDir, TextRenderer& text, std::vector<PieceBlock>& pieceBlocks);
