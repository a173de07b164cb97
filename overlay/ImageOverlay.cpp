// The overlay's pictures and their per-frame state: loading the 18 pictures,
// the zoom, flicker and fade arithmetic, and the re-randomising at scene syncs.
// Drawing lives in ImageOverlayDraw.cpp.
#include "overlay/ImageOverlay.h"

#include "base/Random.h"
#include "gfx/TextureStore.h"
#include "overlay/CoordinatesFile.h"

namespace {

void setFullScreenPiece(PieceSet& set) {
    set.pieceCount = 1;
    set.x1[0] = 0.0f;
    set.y1[0] = 0.0f;
    set.x2[0] = 1.0f;
    set.y2[0] = 1.0f;
}

void advanceWindow(ImageOverlay& overlay, int32_t i, float elapsed) {
    if (overlay.mode[i] == MODE_ZOOM) {
        overlay.offsetX[i] += elapsed * overlay.zoomSpeed;
        overlay.offsetY[i] += elapsed * overlay.zoomSpeed;
    } else if (overlay.mode[i] == MODE_FLICKER) {
        overlay.offsetX[i] -= elapsed * overlay.zoomSpeed;
    }
}

// The level is clamped only on the update after it has passed the end, so it may
// lie just outside 0..1 for one frame; GL clamps the colour.
void advanceFade(ImageOverlay& overlay, int32_t i, float elapsed) {
    if (overlay.fadeState[i] == FADE_IN) {
        if (overlay.fadeLevel[i] < 1.0f) {
            overlay.fadeLevel[i] += elapsed * overlay.fadeSpeed;
        } else {
            overlay.fadeLevel[i] = 1.0f;
            overlay.fadeState[i] = FADE_DONE;
        }
    } else if (overlay.fadeState[i] == FADE_OUT) {
        if (overlay.fadeLevel[i] > 0.0f) {
            overlay.fadeLevel[i] -= elapsed * overlay.fadeSpeed;
        } else {
            overlay.fadeLevel[i] = 0.0f;
            overlay.fadeState[i] = FADE_DONE;
        }
    }
}

}  // namespace

ImageOverlay::ImageOverlay(TextureStore& store) : ImageOverlay(store, pictureLoads()) {}

ImageOverlay::ImageOverlay(TextureStore& store, const std::vector<PictureLoad>& pictures) {
    for (const PictureLoad& picture : pictures) addImage(picture.fileName, picture.maskFileName, store);
    readCoordinates(COORDINATES_FILE);
}

void ImageOverlay::addImage(const char* fileName, const char* maskFileName, TextureStore& store) {
    // The arrays hold 20 pictures; a further one has nowhere to go.
    if (count >= MAX_IMAGES) return;
    const int32_t n = count;
    replaceImage(n, fileName, maskFileName, store);
    setFullScreenPiece(pieces[n]);
    piecesShown[n] = 0;
    visible[n] = false;
    mode[n] = MODE_STILL;
    offsetX[n] = 0.0f;
    offsetY[n] = 0.0f;
    angle[n] = 0.0f;
    fadeLevel[n] = 1.0f;
    red[n] = 1.0f;
    green[n] = 1.0f;
    blue[n] = 1.0f;
    fadeState[n] = FADE_NEVER;
    count = n + 1;
}

void ImageOverlay::replaceImage(int32_t n, const char* fileName, const char* maskFileName,
                                TextureStore& store) {
    if (n < 0 || n >= MAX_IMAGES) return;
    const char* mask = maskFileName != nullptr ? maskFileName : "";
    textures[n] = fileName[0] != '\0' ? store.load(fileName, mask, GL_TEXTURE_2D, TEX_NO_TRILINEAR) : nullptr;
    // A full store hands back no texture; the picture then keeps its state but is never drawn.
    if (textures[n] != nullptr) {
        textures[n]->useAdditiveBlend();
        if (mask[0] != '\0' || textures[n]->ownTransparency) textures[n]->useAlphaBlend();
    }
}

void ImageOverlay::readCoordinates(const char* fileName) {
    readCoordinatesFile(fileName, pieces);
}

void ImageOverlay::reloadCoordinates(const char* fileName) {
    for (int32_t i = 0; i < count; ++i) setFullScreenPiece(pieces[i]);
    readCoordinates(fileName);
}

void ImageOverlay::update(uint32_t dt) {
    const float elapsed = static_cast<float>(dt);
    for (int32_t i = 0; i < count; ++i) {
        advanceWindow(*this, i, elapsed);
        advanceFade(*this, i, elapsed);
    }
}

// Three draws per flicker picture, in index order: the shared sequence makes
// the show repeatable, so the order matters.
void ImageOverlay::randomize() {
    for (int32_t i = 0; i < count; ++i) {
        if (mode[i] == MODE_FLICKER) {
            offsetX[i] = static_cast<float>(0.2 - randomMod(21) / 10.0);
            offsetY[i] = static_cast<float>(offsetX[i] + 0.1 - randomMod(3) / 10.0);
            angle[i] = static_cast<float>(randomMod(90) / 10.0 - 4.5);
        } else {
            // Also restarts a running zoom from the whole picture.
            offsetX[i] = 0.0f;
            offsetY[i] = 0.0f;
            angle[i] = 0.0f;
        }
    }
}
