// Paints a text card line by line (white-hot letters in a halo of the card's colour)
// and collects each piece's ink box from the very drawing, so that the reveal
// rectangles match the picture exactly.
#include "tools/datagen/TextCards.h"

#include "tools/datagen/Blur.h"
#include "tools/datagen/PieceLayout.h"
#include "tools/datagen/Shapes.h"

namespace {

float penStart(TextRenderer& text, const CardLine& line) {
    const float width = text.advanceWidth(line.text, line.style);
    switch (line.align) {
        case Align::Left:
            return line.x;
        case Align::Right:
            return line.x - width;
        default:
            return line.x - width / 2.0f;
    }
}

TextBox drawUnderline(Mask& mask, const TextBox& ink, int baseline) {
    const float y = static_cast<float>(baseline + 14);
    drawCapsule(mask, {static_cast<float>(ink.left) - 20, y}, {static_cast<float>(ink.right) + 20, y}, 1.2f);
    return {ink.left - 22, baseline + 12, ink.right + 22, baseline + 17};
}

}  // namespace

RenderedCard renderCard(TextRenderer& text, const TextCard& card) {
    RenderedCard rendered{Canvas(SCREEN_WIDTH, SCREEN_HEIGHT), std::vector<TextBox>(pieceCount(card))};
    for (const CardLine& line : card.lines) {
        Mask mask(SCREEN_WIDTH, SCREEN_HEIGHT);
        TextBox ink = text.draw(mask, line.text, line.style, penStart(text, line), line.baseline);
        if (line.underline) ink.include(drawUnderline(mask, ink, line.baseline));
        // Small lines keep their halo tight: it has to fit inside the line's piece.
        const bool large = line.style.pixelSize > 80;
        addGlow(rendered.picture, mask, card.glow, large ? 60 : 10, large ? 0.9f : 1.0f);
        addGlow(rendered.picture, mask, card.glow, large ? 14 : 4, 1.3f);
        addLight(rendered.picture, mask, line.colour);
        rendered.pieces[line.piece].include(ink);
    }
    rendered.pieces = padPieces(rendered.pieces, PIECE_MARGIN, SCREEN_WIDTH, SCREEN_HEIGHT);
    return rendered;
}
