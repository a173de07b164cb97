// musta.jpg and tekstit-alpha.jpg, one design in two files. The player alpha-blends
// musta.jpg through the mask: a dark band covers the middle of the screen, its
// big letters are holes that show the scene behind, and a pale rim around each
// letter and a small caption keep the words legible when the scene is dark.
#include <algorithm>
#include <cmath>

#include "tools/datagen/Blur.h"
#include "tools/datagen/CardText.h"
#include "generator/Fonts.h"
#include "tools/datagen/Shapes.h"

namespace {

const char* const HEADLINE = "all real time";
const char* const CAPTION = "rendered live, nothing recorded";
constexpr float BAND_OPACITY = 0.85f;
constexpr int BAND_TOP = 150;
constexpr int BAND_BOTTOM = 330;

Rgb bandShade(int x, int y) {
    const float t = static_cast<float>(y - BAND_TOP) / (BAND_BOTTOM - BAND_TOP);
    const Rgb shade = mix({0.06f, 0.07f, 0.14f}, {0.0f, 0.0f, 0.02f}, std::clamp(t, 0.0f, 1.0f));
    // A faint diagonal sheen, as if the band were a sheet of dark glass.
    const float sheen = 0.04f * std::exp(-std::pow((x - 1.6f * (y - BAND_TOP) - 180.0f) / 60.0f, 2.0f));
    return shade + Rgb{sheen, sheen, sheen * 1.3f};
}

}  // namespace

CutoutBanner makeCutoutBanner(TextRenderer& text) {
    CutoutBanner banner{Canvas(SCREEN_WIDTH, SCREEN_HEIGHT), Mask(SCREEN_WIDTH, SCREEN_HEIGHT)};
    Mask band(SCREEN_WIDTH, SCREEN_HEIGHT);
    drawRoundedBox(band, {0, BAND_TOP}, {SCREEN_WIDTH, BAND_BOTTOM}, 0.0f);
    band = blurred(band, 6);
    const Mask letters = centredLine(text, HEADLINE, fittedStyle(text, HEADLINE, fonts::SANS_BOLD, 560, 110),
                                     SCREEN_WIDTH / 2.0f, 272);
    Mask rim = dilated(letters, 2);
    subtract(rim, letters);
    const Mask caption = centredLine(text, CAPTION, {fonts::MONO, 17, 2.0f}, SCREEN_WIDTH / 2.0f, 312);
    for (int y = 0; y < SCREEN_HEIGHT; ++y) {
        for (int x = 0; x < SCREEN_WIDTH; ++x) {
            const float edge = std::max(rim.at(x, y), caption.at(x, y));
            const float opacity = band.at(x, y) * BAND_OPACITY * (1.0f - letters.at(x, y));
            banner.mask.at(x, y) = std::max(opacity, edge);
            const Rgb ink =
                rim.at(x, y) >= caption.at(x, y) ? Rgb{0.6f, 0.85f, 1.0f} : Rgb{0.55f, 0.6f, 0.72f};
            banner.picture.at(x, y) = mix(bandShade(x, y), ink, edge);
        }
    }
    return banner;
}
