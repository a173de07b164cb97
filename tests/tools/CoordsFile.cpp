// Word by word; a block ends at "end" or at the end of the file.
#include "tests/tools/CoordsFile.h"

#include <cstdlib>
#include <fstream>

std::map<int, std::vector<PieceRect>> readCoords(const std::string& path) {
    std::map<int, std::vector<PieceRect>> blocks;
    std::ifstream in(path);
    std::string word;
    while (in >> word) {
        if (word != "new" || !(in >> word)) continue;
        std::vector<PieceRect>& pieces = blocks[std::atoi(word.c_str())];
        pieces.clear();
        int values[4] = {};
        int filled = 0;
        while (in >> word && word != "end") {
            values[filled++] = std::atoi(word.c_str());
            if (filled < 4) continue;
            pieces.push_back({values[0], values[1], values[2], values[3]});
            filled = 0;
        }
    }
    return blocks;
}
