// Anti-aliased text into masks with FreeType: one line at a time, with kerning and
// optional extra letter spacing. Measures lines so callers can centre them and
// returns the ink box of what it drew (used for the picture pieces). ASCII only.
#pragma once

#include <map>
#include <string>

#include "generator/Raster.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;

struct TextStyle {
    std::string fontFile;
    int pixelSize = 32;
    float tracking = 0.0f;  // extra pixels after every letter
};

// Pixel box of drawn ink, right and bottom exclusive; empty when nothing was drawn.
struct TextBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool empty() const { return right <= left || bottom <= top; }
    void include(const TextBox& other);
};

class TextRenderer {
public:
    TextRenderer();
    ~TextRenderer();
    TextRenderer(const TextRenderer&) = delete;
    TextRenderer& operator=(const TextRenderer&) = delete;

    // True when FreeType started and the font file opens as a face.
    bool canUse(const std::string& fontFile);

    // Pen advance of the whole line, in pixels.
    float advanceWidth(const std::string& text, const TextStyle& style);
    // Draws with the pen starting at (x, baseline); coverage combines by maximum.
    TextBox draw(Mask& target, const std::string& text, const TextStyle& style, float x, int baseline);
    TextBox drawCentred(Mask& target, const std::string& text, const TextStyle& style, float centreX,
                        int baseline);

private:
    FT_FaceRec_* face(const std::string& fontFile, int pixelSize);

    FT_LibraryRec_* library_ = nullptr;
    std::map<std::string, FT_FaceRec_*> faces_;
};
