// The player reads words, not lines; one piece per line keeps the file readable.
#include "generator/CoordsWriter.h"

#include <cstdlib>
#include <iostream>

std::string coordsText(const std::vector<PieceBlock>& blocks, const std::string& heading) {
    std::string out = heading;
    for (const PieceBlock& block : blocks) {
        if (block.pieces.size() > static_cast<std::size_t>(MAX_PIECES)) {
            std::cerr << "coordinates: picture " << block.overlayIndex << " has too many pieces\n";
            std::abort();
        }
        out += "\nnew " + std::to_string(block.overlayIndex) + "\n";
        for (const TextBox& p : block.pieces) {
            out += std::to_string(p.left) + " " + std::to_string(p.top) + " " + std::to_string(p.right) +
                   " " + std::to_string(p.bottom) + "\n";
        }
        out += "end\n";
    }
    return out;
}
