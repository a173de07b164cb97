// title1-5.jpg: the show's name, "flashstep", in five looks (neon, embers, terminal,
// chrome, glitch), 640 x 480 on black. The scene shows one at random on each camera
// jump of the intro, so each must read at a glance and differ from the others.
#include <algorithm>
#include <cmath>

#include "tools/datagen/Blur.h"
#include "tools/datagen/CardText.h"
#include "generator/Fonts.h"
#include "generator/Rng.h"
#include "tools/datagen/Shapes.h"

namespace {

const char* const NAME = "flashstep";
const char* const MAKERS = "quorvindale";
constexpr float CENTRE_X = SCREEN_WIDTH / 2.0f;

void horizontalRule(Mask& mask, float y, float x0, float x1, float halfWidth) {
    drawCapsule(mask, {x0, y}, {x1, y}, halfWidth);
}

// Cyan neon tube letters between two rules, with faint scanlines.
Canvas neon(TextRenderer& text) {
    Canvas canvas(SCREEN_WIDTH, SCREEN_HEIGHT);
    const Mask letters =
        centredLine(text, NAME, fittedStyle(text, NAME, fonts::SANS_BOLD, 540, 130), CENTRE_X, 275);
    Mask rules(SCREEN_WIDTH, SCREEN_HEIGHT);
    horizontalRule(rules, 160, 90, 550, 1.0f);
    horizontalRule(rules, 330, 90, 550, 1.0f);
    const Mask tagline = centredLine(text, MAKERS, {fonts::MONO, 20, 12.0f}, CENTRE_X, 372);
    addGlow(canvas, letters, {0.0f, 0.45f, 1.0f}, 44, 1.4f);
    addGlow(canvas, letters, {0.2f, 0.8f, 1.0f}, 12, 1.6f);
    addLight(canvas, letters, {0.9f, 0.97f, 1.0f});
    addGlow(canvas, rules, {0.2f, 0.7f, 1.0f}, 8, 1.5f);
    addLight(canvas, rules, {0.5f, 0.85f, 1.0f}, 0.8f);
    addLight(canvas, tagline, {0.45f, 0.75f, 1.0f}, 0.9f);
    for (int y = 0; y < SCREEN_HEIGHT; y += 3) {
        for (int x = 0; x < SCREEN_WIDTH; ++x) canvas.at(x, y) = canvas.at(x, y) * 0.6f;
    }
    return canvas;
}

// Serif letters outlined in glowing orange with a hatched ember fill.
Canvas embers(TextRenderer& text) {
    Canvas canvas(SCREEN_WIDTH, SCREEN_HEIGHT);
    const Mask letters =
        centredLine(text, NAME, fittedStyle(text, NAME, fonts::SERIF_BOLD, 560, 130), CENTRE_X, 280);
    Mask outline = dilated(letters, 3);
    subtract(outline, letters);
    Mask hatch = letters;
    for (int y = 0; y < SCREEN_HEIGHT; ++y) {
        for (int x = 0; x < SCREEN_WIDTH; ++x) hatch.at(x, y) *= ((x + y) % 9 < 3) ? 1.0f : 0.25f;
    }
    const Mask tagline = centredLine(text, "a real-time show", {fonts::SERIF, 24, 3.0f}, CENTRE_X, 350);
    addGlow(canvas, outline, {1.0f, 0.3f, 0.05f}, 30, 1.6f);
    addLight(canvas, hatch, {0.8f, 0.35f, 0.08f});
    addLight(canvas, outline, {1.0f, 0.75f, 0.35f});
    addLight(canvas, tagline, {1.0f, 0.6f, 0.3f}, 0.85f);
    return canvas;
}

// Widely spaced mono letters in green phosphor, framed by corner brackets.
Canvas terminal(TextRenderer& text) {
    Canvas canvas(SCREEN_WIDTH, SCREEN_HEIGHT);
    const TextStyle style = fittedStyle(text, NAME, fonts::MONO_BOLD, 520, 64, 26.0f);
    const Mask letters = centredLine(text, NAME, style, CENTRE_X, 262);
    Mask frame(SCREEN_WIDTH, SCREEN_HEIGHT);
    const float left = 70, right = 570, top = 150, bottom = 330, arm = 40;
    for (float x : {left, right}) {
        const float inward = x == left ? arm : -arm;
        for (float y : {top, bottom}) {
            drawCapsule(frame, {x, y}, {x + inward, y}, 1.5f);
            drawCapsule(frame, {x, y}, {x, y + (y == top ? arm : -arm)}, 1.5f);
        }
    }
    Mask caption = centredLine(text, "quorvindale // 125 bpm", {fonts::MONO, 18, 2.0f}, CENTRE_X, 312);
    const Rgb phosphor{0.45f, 1.0f, 0.55f};
    addGlow(canvas, letters, phosphor * 0.8f, 16, 1.5f);
    addLight(canvas, letters, {0.8f, 1.0f, 0.82f});
    addGlow(canvas, frame, phosphor, 6, 1.2f);
    addLight(canvas, frame, phosphor, 0.9f);
    addLight(canvas, caption, phosphor, 0.6f);
    return canvas;
}

// Letters graded white to deep blue to an orange lip, mirrored on a glowing horizon.
Canvas chrome(TextRenderer& text) {
    Canvas canvas(SCREEN_WIDTH, SCREEN_HEIGHT);
    constexpr int baseline = 250;
    TextBox box;
    const TextStyle style = fittedStyle(text, NAME, fonts::SANS_BOLD, 560, 130);
    const Mask letters = centredLine(text, NAME, style, CENTRE_X, baseline, &box);
    const float top = static_cast<float>(box.top),
                height = static_cast<float>(std::max(1, baseline - box.top));
    for (int y = 0; y < SCREEN_HEIGHT; ++y) {
        const float t = std::clamp((y - top) / height, 0.0f, 1.0f);
        const Rgb shade = t < 0.55f ? mix({1.0f, 1.0f, 1.0f}, {0.2f, 0.45f, 1.0f}, t / 0.55f)
                                    : mix({0.1f, 0.15f, 0.6f}, {1.0f, 0.55f, 0.2f}, (t - 0.55f) / 0.45f);
        for (int x = 0; x < SCREEN_WIDTH; ++x) canvas.at(x, y) = shade * letters.at(x, y);
    }
    // The horizon lies just under the descenders, so no letter crosses it.
    const int horizon = box.bottom + 6;
    Mask mirror(SCREEN_WIDTH, SCREEN_HEIGHT);
    for (int y = horizon; y < SCREEN_HEIGHT; ++y) {
        const int source = 2 * horizon - y;
        const float fade = 0.35f * std::exp(-(y - horizon) / 40.0f);
        for (int x = 0; x < SCREEN_WIDTH && source >= 0; ++x) mirror.at(x, y) = letters.at(x, source) * fade;
    }
    addLight(canvas, blurred(mirror, 3), {0.4f, 0.6f, 1.0f});
    Mask line(SCREEN_WIDTH, SCREEN_HEIGHT);
    horizontalRule(line, horizon, 40, 600, 0.8f);
    addGlow(canvas, line, {1.0f, 0.2f, 0.8f}, 10, 1.5f);
    addLight(canvas, line, {1.0f, 0.7f, 0.95f});
    Rng stars(0x57A25ull);
    Mask sparkle(SCREEN_WIDTH, SCREEN_HEIGHT);
    for (int k = 0; k < 90; ++k) {
        drawDisc(
            sparkle,
            {static_cast<float>(stars.between(0, SCREEN_WIDTH)), static_cast<float>(stars.between(0, 140))},
            static_cast<float>(stars.between(0.5, 1.4)), static_cast<float>(stars.between(0.3, 1.0)));
    }
    addLight(canvas, sparkle, {0.85f, 0.9f, 1.0f});
    return canvas;
}

// Red and cyan copies pulled apart, with bands of the letters torn sideways.
Canvas glitch(TextRenderer& text) {
    Canvas canvas(SCREEN_WIDTH, SCREEN_HEIGHT);
    const Mask letters =
        centredLine(text, NAME, fittedStyle(text, NAME, fonts::SANS_BOLD, 540, 130), CENTRE_X, 275);
    Rng rng(0x611C7ull);
    Mask torn(SCREEN_WIDTH, SCREEN_HEIGHT);
    for (int y = 0; y < SCREEN_HEIGHT;) {
        const int band = 4 + rng.below(22);
        const int dx = rng.below(3) == 0 ? rng.below(41) - 20 : 0;
        for (int row = y; row < std::min(SCREEN_HEIGHT, y + band); ++row) {
            for (int x = 0; x < SCREEN_WIDTH; ++x) {
                if (letters.contains(x - dx, row)) torn.at(x, row) = letters.at(x - dx, row);
            }
        }
        y += band;
    }
    const Mask red = shifted(torn, -7, 0), cyan = shifted(torn, 7, 0);
    addLight(canvas, red, {1.0f, 0.1f, 0.35f});
    addLight(canvas, cyan, {0.0f, 0.85f, 1.0f});
    addLight(canvas, torn, {0.35f, 0.35f, 0.35f});
    Mask scratches(SCREEN_WIDTH, SCREEN_HEIGHT);
    for (int k = 0; k < 14; ++k) {
        const float y = static_cast<float>(rng.between(120, 380)),
                    x = static_cast<float>(rng.between(0, 560));
        horizontalRule(scratches, y, x, x + static_cast<float>(rng.between(30, 220)), 0.5f);
    }
    addLight(canvas, scratches, {0.7f, 0.9f, 1.0f}, 0.7f);
    const Mask tagline = centredLine(text, MAKERS, {fonts::MONO_BOLD, 22, 8.0f}, CENTRE_X, 350);
    addLight(canvas, shifted(tagline, -3, 0), {1.0f, 0.1f, 0.35f}, 0.8f);
    addLight(canvas, shifted(tagline, 3, 0), {0.0f, 0.85f, 1.0f}, 0.8f);
    return canvas;
}

}  // namespace

Canvas makeTitleCard(TextRenderer& text, int look) {
    switch (look) {
        case 0:
            return neon(text);
        case 1:
            return embers(text);
        case 2:
            return terminal(text);
        case 3:
            return chrome(text);
        default:
            return glitch(text);
    }
}
