// quorvindale.jpg: the makers' card, 640 x 480 on black: a "Q" emblem of two rings,
// a tail and a crown of beads (the show's bead shells in miniature), over the name.
#include <cmath>

#include "tools/datagen/Blur.h"
#include "tools/datagen/CardText.h"
#include "generator/Fonts.h"
#include "tools/datagen/Shapes.h"

namespace {

constexpr Point CENTRE{SCREEN_WIDTH / 2.0f, 180.0f};
constexpr float PI = 3.14159265358979f;

Mask emblem() {
    Mask mask(SCREEN_WIDTH, SCREEN_HEIGHT);
    drawRing(mask, CENTRE, 78, 5.0f);
    drawRing(mask, CENTRE, 56, 1.5f, 0.8f);
    // The tail starts inside the ring and crosses it: a Q, not a handle.
    drawCapsule(mask, {CENTRE.x + 22, CENTRE.y + 34}, {CENTRE.x + 96, CENTRE.y + 80}, 5.0f);
    constexpr int beads = 16;
    for (int k = 0; k < beads; ++k) {
        const float angle = 2 * PI * k / beads - PI / 2;
        const float size = 2.0f + 3.0f * (0.5f + 0.5f * std::cos(angle + PI / 2));
        drawDisc(mask, {CENTRE.x + 104 * std::cos(angle), CENTRE.y + 104 * std::sin(angle)}, size);
    }
    return mask;
}

}  // namespace

Canvas makeLogoCard(TextRenderer& text) {
    Canvas canvas(SCREEN_WIDTH, SCREEN_HEIGHT);
    const Mask mark = emblem();
    const Mask name =
        centredLine(text, "quorvindale", fittedStyle(text, "quorvindale", fonts::SANS_BOLD, 520, 60, 5.0f),
                    SCREEN_WIDTH / 2.0f, 370);
    const Mask presents = centredLine(text, "presents", {fonts::MONO, 20, 14.0f}, SCREEN_WIDTH / 2.0f, 414);
    const Rgb violet{0.7f, 0.3f, 1.0f};
    addGlow(canvas, mark, violet, 40, 1.3f);
    addGlow(canvas, mark, {0.9f, 0.5f, 1.0f}, 8, 1.4f);
    addLight(canvas, mark, {1.0f, 0.88f, 1.0f});
    addGlow(canvas, name, violet, 18, 1.2f);
    addLight(canvas, name, {1.0f, 0.95f, 1.0f});
    addLight(canvas, presents, {0.75f, 0.6f, 0.95f}, 0.9f);
    return canvas;
}
