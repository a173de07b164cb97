// The file names are the player's; each family module paints, this one only names
// and writes.
#include "tools/datagen/PictureSet.h"

#include <iostream>

#include "generator/JpegWriter.h"
#include "tools/datagen/Pictures.h"
#include "tools/datagen/TextCards.h"

namespace {

template <typename Picture>
bool save(const std::string& dataDir, const std::string& name, const Picture& picture) {
    if (writeJpeg(dataDir + "/" + name, picture)) return true;
    std::cerr << "flashstep-datagen: cannot write " << dataDir << "/" << name << "\n";
    return false;
}

bool writeTextures(const std::string& dataDir) {
    bool ok = save(dataDir, "noise.jpg", makeNoiseTexture());
    ok = save(dataDir, "reflect.jpg", makeReflectTexture()) && ok;
    for (int k = 0; k < ELEKTRO_VARIANTS; ++k) {
        ok = save(dataDir, "elektro" + std::to_string(k + 1) + ".jpg", makeElektroTexture(k)) && ok;
    }
    return ok;
}

bool writeCards(const std::string& dataDir, TextRenderer& text, std::vector<PieceBlock>& pieceBlocks) {
    bool ok = true;
    for (int look = 0; look < TITLE_LOOKS; ++look) {
        ok = save(dataDir, "title" + std::to_string(look + 1) + ".jpg", makeTitleCard(text, look)) && ok;
    }
    ok = save(dataDir, "quorvindale.jpg", makeLogoCard(text)) && ok;
    const CutoutBanner banner = makeCutoutBanner(text);
    ok = save(dataDir, "musta.jpg", banner.picture) && ok;
    ok = save(dataDir, "tekstit-alpha.jpg", banner.mask) && ok;
    for (const TextCard& card : textCards()) {
        RenderedCard rendered = renderCard(text, card);
        ok = save(dataDir, card.fileName, rendered.picture) && ok;
        if (card.piecesIndex >= 0) pieceBlocks.push_back({card.piecesIndex, std::move(rendered.pieces)});
    }
    return ok;
}

}  // namespace

bool writePictures(const std::string& dataDir, TextRenderer& text, std::vector<PieceBlock>& pieceBlocks) {
    const bool textures = writeTextures(dataDir);
    return writeCards(dataDir, text, pieceBlocks) && textures;
}
