// The 2D picture layer drawn last in every frame: up to 20 full-screen pictures that
// are shown, faded, zoomed, flickered or revealed piece by piece. Per-picture state
// lives in parallel arrays indexed by load position (its OverlayPictures); the
// driver writes it directly.
#pragma once

#include <cstdint>
#include <vector>

#include "gfx/ImagePrefetch.h"
#include "overlay/OverlayPictures.h"

class Texture;
class TextureStore;

struct PieceSet {
    static constexpr int32_t MAX_PIECES = 10;
    int32_t pieceCount = 0;
    // Corners in fractions of the screen, x right and y down from the top left.
    float x1[MAX_PIECES] = {};
    float y1[MAX_PIECES] = {};
    float x2[MAX_PIECES] = {};
    float y2[MAX_PIECES] = {};
};

// The flicker window's random shift of one frame.
struct FlickerShift {
    float a = 0.0f;
    float b = 0.0f;
};

class ImageOverlay : public OverlayPictures {
public:
    static constexpr const char* COORDINATES_FILE = "data/coords.txt";

    // The usual pictures.
    explicit ImageOverlay(TextureStore& store);
    // These pictures in slot order; a slot of file "" has no picture and is never drawn.
    ImageOverlay(TextureStore& store, const std::vector<PictureLoad>& pictures);
    // The pictures the constructor asks the store for, in its order.
    static std::vector<PictureLoad> pictureLoads();
    // A picture with a mask, or with transparent pixels of its own, is laid over the frame
    // through them; any other is added to it. File "": a slot without a picture.
    void addImage(const char* fileName, const char* maskFileName, TextureStore& store);
    // Slot `n` shows another file from now on (a reloaded script names it); its state stays.
    void replaceImage(int32_t n, const char* fileName, const char* maskFileName, TextureStore& store);
    // Reads piece rectangles; a file that cannot be opened changes nothing.
    void readCoordinates(const char* fileName);
    // Every picture back to one whole-screen piece, then the file's rectangles, as at start.
    void reloadCoordinates(const char* fileName);
    void update(uint32_t dt);
    void randomize();
    void draw();
    // The frame's two draws, made whether or not anything flickers.
    FlickerShift decideFlicker();
    void draw(const FlickerShift& shift);
    // What a draw leaves behind without drawing: each drawn picture's angle on its texture.
    void leaveDrawnAngles();
    bool isDrawn(int32_t i) const { return visible[i] && textures[i] != nullptr; }

    OverlayPictures& pictures() { return *this; }
    const OverlayPictures& pictures() const { return *this; }

    int32_t count = 0;
    Texture* textures[MAX_IMAGES] = {};
    PieceSet pieces[MAX_IMAGES];
};
