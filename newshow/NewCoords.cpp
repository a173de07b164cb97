// The file is read word by word: outside a block every word but the one that opens
// a block is skipped, so plain sentences between blocks serve as comments, as long
// as none of them holds that word.
#include "newshow/NewCoords.h"

#include "newshow/OverlayPlan.h"

namespace {

constexpr int SCREEN_WIDTH = 640;
constexpr int SCREEN_HEIGHT = 480;
constexpr int BANDS = 4;

}  // namespace

std::vector<ScreenPiece> newShowPieces() {
    std::vector<ScreenPiece> pieces;
    for (int band = 0; band < BANDS; ++band) {
        pieces.push_back({0, band * SCREEN_HEIGHT / BANDS, SCREEN_WIDTH, (band + 1) * SCREEN_HEIGHT / BANDS});
    }
    return pieces;
}

std::string newShowCoordinates() {
    std::string text =
        "# Pieces of the overlay pictures that the script reveals one at a time (imagePieces,\n"
        "# nextPiece, previousPiece). A block opens with a line like the first one below:\n"
        "# its keyword, then the picture's number. Up to 10 pieces follow, one a line, as\n"
        "# x1 y1 x2 y2 in pixels of the 640 x 480 screen (left, top, right, bottom), and the\n"
        "# word end closes the block. Words between blocks are skipped, as these lines are.\n";
    text += "\n# picture " + std::to_string(overlay_plan::PIECES) + ", four bands from the top down\n";
    text += "new " + std::to_string(overlay_plan::PIECES) + "\n";
    for (const ScreenPiece& p : newShowPieces()) {
        text += std::to_string(p.left) + " " + std::to_string(p.top) + " " + std::to_string(p.right) + " " +
                std::to_string(p.bottom) + "\n";
    }
    text += "end\n";
    return text;
}
