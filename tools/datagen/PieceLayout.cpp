// Overlaps are cut at the middle of the gap between the two inks, along the axis
// where the boxes overlap less, so each piece keeps all of its own letters.
#include "tools/datagen/PieceLayout.h"

#include <algorithm>

namespace {

TextBox grown(const TextBox& box, int margin, int width, int height) {
    return {std::max(0, box.left - margin), std::max(0, box.top - margin),
            std::min(width, box.right + margin), std::min(height, box.bottom + margin)};
}

// Moves the facing edges of a and b to one line between their inks.
void cutApart(TextBox& a, TextBox& b, const TextBox& inkA, const TextBox& inkB) {
    const int overlapX = std::min(a.right, b.right) - std::max(a.left, b.left);
    const int overlapY = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    if (overlapY <= overlapX) {
        TextBox& upper = inkA.top <= inkB.top ? a : b;
        TextBox& lower = inkA.top <= inkB.top ? b : a;
        const int cut = (std::min(inkA.bottom, inkB.bottom) + std::max(inkA.top, inkB.top) + 1) / 2;
        upper.bottom = std::min(upper.bottom, cut);
        lower.top = std::max(lower.top, cut);
    } else {
        TextBox& leftBox = inkA.left <= inkB.left ? a : b;
        TextBox& rightBox = inkA.left <= inkB.left ? b : a;
        const int cut = (std::min(inkA.right, inkB.right) + std::max(inkA.left, inkB.left) + 1) / 2;
        leftBox.right = std::min(leftBox.right, cut);
        rightBox.left = std::max(rightBox.left, cut);
    }
}

}  // namespace

bool overlaps(const TextBox& a, const TextBox& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

std::vector<TextBox> padPieces(const std::vector<TextBox>& ink, int margin, int screenWidth,
                               int screenHeight) {
    std::vector<TextBox> pieces;
    for (const TextBox& box : ink) pieces.push_back(grown(box, margin, screenWidth, screenHeight));
    for (size_t i = 0; i < pieces.size(); ++i) {
        for (size_t j = i + 1; j < pieces.size(); ++j) {
            if (overlaps(pieces[i], pieces[j])) cutApart(pieces[i], pieces[j], ink[i], ink[j]);
        }
    }
    return pieces;
}
