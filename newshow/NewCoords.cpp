// The file is read word by word: outside a block every word but the one that opens
// a block is skipped, so plain sentences before the blocks serve as comments, as long
// as none of them holds that word.
#include "newshow/NewCoords.h"

#include "generator/CoordsWriter.h"
#include "newshow/OverlayPlan.h"

namespace {

constexpr int SCREEN_WIDTH = 640;
constexpr int SCREEN_HEIGHT = 480;
constexpr int BANDS = 4;

constexpr const char* HEADING =
    "# Pieces of the overlay pictures that the script reveals one at a time (imagePieces,\n"
    "# nextPiece, previousPiece). A block opens with a line like the one after these\n"
    "# comments: its keyword, then the picture's number. Up to 10 pieces follow, one a\n"
    "# line, as x1 y1 x2 y2 in pixels of the 640 x 480 screen (left, top, right,\n"
    "# bottom), and the word end closes the block. Words between blocks are skipped, as\n"
    "# these lines are.\n"
    "# Below: picture 8 in four bands from the top down.\n";

}  // namespace

std::vector<TextBox> newShowPieces() {
    std::vector<TextBox> pieces;
    for (int band = 0; band < BANDS; ++band)
        pieces.push_back({0, band * SCREEN_HEIGHT / BANDS, SCREEN_WIDTH, (band + 1) * SCREEN_HEIGHT / BANDS});
    return pieces;
}

std::string newShowCoordinates() {
    return coordsText({{overlay_plan::PIECES, newShowPieces()}}, HEADING);
}
