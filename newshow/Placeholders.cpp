// Each placeholder is dark (the overlay adds most pictures onto the scene, so black
// is see-through) with a frame and centred lines of text in a colour of its own;
// a mask is white where its picture shows, with its own words cut out of it.
#include "newshow/Placeholders.h"

#include <algorithm>
#include <cmath>

#include "generator/Fonts.h"
#include "generator/JpegWriter.h"
#include "generator/Rng.h"
#include "newshow/NewCoords.h"
#include "newshow/OverlayPlan.h"
#include "newshow/ShowPictureFiles.h"
#include "scene/ScenePictures.h"

namespace {

constexpr int FRAME_WIDTH = 3;
constexpr float MARGIN_SHARE = 0.06f;
// A picture's words sit above the middle; a mask's, and a title's (titles jump in
// over the logo), below it, so that pictures seen together show both.
constexpr float PICTURE_LABEL_CENTRE = 0.4f;
constexpr float LOWER_LABEL_CENTRE = 0.75f;

bool holds(const std::vector<int>& numbers, int number) {
    return std::find(numbers.begin(), numbers.end(), number) != numbers.end();
}

std::string fileName(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}

// Colours around the hue circle, bright enough to read over the scene.
Rgb colourFor(std::size_t index) {
    const float hue = static_cast<float>(index) * 0.618034f;
    auto channel = [hue](float shift) { return 0.55f + 0.45f * std::cos(6.2831853f * (hue + shift)); };
    return {channel(0.0f), channel(1.0f / 3.0f), channel(2.0f / 3.0f)};
}

void fillRect(Mask& mask, int left, int top, int right, int bottom, float value) {
    for (int y = std::max(0, top); y < std::min(mask.height, bottom); ++y)
        for (int x = std::max(0, left); x < std::min(mask.width, right); ++x) mask.at(x, y) = value;
}

Mask frameOf(int width, int height, int inset) {
    Mask frame(width, height);
    fillRect(frame, inset, inset, width - inset, inset + FRAME_WIDTH, 1.0f);
    fillRect(frame, inset, height - inset - FRAME_WIDTH, width - inset, height - inset, 1.0f);
    fillRect(frame, inset, inset, inset + FRAME_WIDTH, height - inset, 1.0f);
    fillRect(frame, width - inset - FRAME_WIDTH, inset, width - inset, height - inset, 1.0f);
    return frame;
}

// The largest size up to `largest` at which the line fits the width.
TextStyle fitted(TextRenderer& text, const std::string& line, const std::string& font, float width,
                 int largest) {
    TextStyle style{font, largest, 0.0f};
    while (style.pixelSize > 8 && text.advanceWidth(line, style) > width) --style.pixelSize;
    return style;
}

// The file's name, what it is for and its size, centred as one block.
std::vector<std::string> labelLines(const ShowPictureFile& picture) {
    std::vector<std::string> lines = {fileName(picture.path)};
    lines.insert(lines.end(), picture.uses.begin(), picture.uses.end());
    lines.push_back(std::to_string(picture.width) + " x " + std::to_string(picture.height) + " pixels");
    return lines;
}

// `centre` is where the block's middle falls, as a share of the height.
Mask labelOf(TextRenderer& text, const ShowPictureFile& picture, float centre) {
    Mask label(picture.width, picture.height);
    const std::vector<std::string> lines = labelLines(picture);
    const float usable = picture.width * (1.0f - 2.0f * MARGIN_SHARE);
    const int titleSize = std::max(12, picture.height / 8);
    const int lineSize = std::max(10, picture.height / 18);
    const int blockHeight = titleSize + static_cast<int>(lines.size() - 1) * lineSize * 3 / 2;
    int baseline = static_cast<int>(picture.height * centre) - blockHeight / 2 + titleSize;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool title = i == 0;
        const TextStyle style = fitted(text, lines[i], title ? fonts::SANS_BOLD : fonts::SANS, usable,
                                       title ? titleSize : lineSize);
        text.drawCentred(label, lines[i], style, picture.width / 2.0f, baseline);
        baseline += lineSize * 3 / 2;
    }
    return label;
}

// The bands that nextPiece reveals, each named, so a reveal shows which piece came.
Mask pieceLabels(TextRenderer& text, const ShowPictureFile& picture) {
    Mask labels(picture.width, picture.height);
    const std::vector<TextBox> pieces = newShowPieces();
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const TextBox& p = pieces[i];
        fillRect(labels, p.left, p.bottom - 1, p.right, p.bottom, 0.6f);
        const TextStyle style{fonts::SANS_BOLD, 20, 0.0f};
        text.draw(labels, "piece " + std::to_string(i + 1), style, p.left + 14.0f, p.top + 28);
    }
    return labels;
}

// A faint grain under the words, as the grain picture is meant to be.
void addGrain(Canvas& canvas) {
    Rng rng(7);
    for (Rgb& pixel : canvas.pixels) pixel = pixel + Rgb{1, 1, 1} * static_cast<float>(0.18 * rng.uniform());
}

Canvas paintPicture(TextRenderer& text, const ShowPictureFile& picture, Rgb colour) {
    Canvas canvas(picture.width, picture.height);
    if (holds(picture.sceneSlots, PICTURE_NOISE)) addGrain(canvas);
    addLight(canvas, frameOf(picture.width, picture.height, 0), colour * 0.8f);
    const bool title =
        std::any_of(picture.overlayPictures.begin(), picture.overlayPictures.end(), overlay_plan::isTitle);
    addLight(canvas, labelOf(text, picture, title ? LOWER_LABEL_CENTRE : PICTURE_LABEL_CENTRE), colour);
    if (holds(picture.overlayPictures, overlay_plan::PIECES))
        addLight(canvas, pieceLabels(text, picture), Rgb{1, 1, 1});
    return canvas;
}

// White shows the picture masked by it; its own words are holes onto the scene.
Mask paintMask(TextRenderer& text, const ShowPictureFile& picture) {
    Mask mask(picture.width, picture.height);
    const int inset = picture.height / 10;
    fillRect(mask, inset, inset, picture.width - inset, picture.height - inset, 1.0f);
    subtract(mask, labelOf(text, picture, LOWER_LABEL_CENTRE));
    return mask;
}

}  // namespace

bool writePlaceholders(const std::string& showFolder, TextRenderer& text, std::string& failed) {
    const std::vector<ShowPictureFile> pictures = showPictureFiles();
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const ShowPictureFile& picture = pictures[i];
        const std::string path = showFolder + "/" + picture.path;
        const bool written = picture.onlyAMask ? writeJpeg(path, paintMask(text, picture))
                                               : writeJpeg(path, paintPicture(text, picture, colourFor(i)));
        if (!written) {
            failed = path;
            return false;
        }
    }
    return true;
}
