// The text cards (tekstit1-3: credits and greetings; pastaa1-6: words flashed on
// the beat and the closing line): their layout as data, their painting, and the
// screen rectangles ("pieces") that reveal them one line or word at a time.
// The script and the coordinates file both take their piece counts from here.
#pragma once

#include <string>
#include <vector>

#include "tools/datagen/Pictures.h"

enum class Align { Left, Centre, Right };

struct CardLine {
    std::string text;
    TextStyle style;
    Rgb colour;
    float x = SCREEN_WIDTH / 2.0f;  // left edge, centre or right edge, by `align`
    int baseline = 0;
    Align align = Align::Centre;
    int piece = 0;           // the piece that reveals this line; lines may share one
    bool underline = false;  // a glowing rule under the line, part of its piece
};

struct TextCard {
    std::string fileName;
    int piecesIndex = -1;  // overlay picture revealed piece by piece, or -1
    Rgb glow;
    std::vector<CardLine> lines;
};

const std::vector<TextCard>& textCards();
// The card with this file name; aborts on an unknown name (a fault in this program).
const TextCard& textCard(const std::string& fileName);
// Number of pieces, from the layout alone.
int pieceCount(const TextCard& card);

struct RenderedCard {
    Canvas picture;
    std::vector<TextBox> pieces;  // in piece order, padded, clipped, not overlapping
};
RenderedCard renderCard(TextRenderer& text, const TextCard& card);
