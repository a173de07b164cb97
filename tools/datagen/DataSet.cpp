// Checks the fonts before painting anything, so a missing font package is named
// plainly instead of showing up as empty cards.
#include "tools/datagen/DataSet.h"

#include <filesystem>
#include <fstream>
#include <iostream>

#include "generator/CoordsWriter.h"
#include "generator/Fonts.h"
#include "tools/datagen/PictureSet.h"
#include "tools/datagen/ShowScript.h"
#include "generator/Song.h"

namespace {

bool writeText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) std::cerr << "flashstep-datagen: cannot write " << path << "\n";
    return static_cast<bool>(out);
}

bool fontsAvailable(TextRenderer& text) {
    bool ok = true;
    for (const std::string& font : fonts::ALL) {
        if (text.canUse(font)) continue;
        std::cerr << "flashstep-datagen: cannot open font " << font << " (package fonts-dejavu-core)\n";
        ok = false;
    }
    return ok;
}

}  // namespace

bool writeDataSet(const std::string& outDir) {
    const std::string dataDir = outDir + "/data";
    std::error_code error;
    std::filesystem::create_directories(dataDir, error);
    if (error) {
        std::cerr << "flashstep-datagen: cannot create " << dataDir << ": " << error.message() << "\n";
        return false;
    }
    TextRenderer text;
    if (!fontsAvailable(text)) return false;
    std::vector<PieceBlock> pieceBlocks;
    bool ok = writePictures(dataDir, text, pieceBlocks);
    ok = writeText(dataDir + "/coords.txt", coordsText(pieceBlocks)) && ok;
    ok = writeText(dataDir + "/script.txt", showScript()) && ok;
    return writeSong(dataDir + "/song.ogg", synthesiseSong()) && ok;
}
