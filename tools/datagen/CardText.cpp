// Fitting walks down from the largest size: lines are short, so this is cheap.
#include "tools/datagen/CardText.h"

TextStyle fittedStyle(TextRenderer& text, const std::string& line, const std::string& fontFile,
                      float maxWidth, int maxPixelSize, float tracking) {
    TextStyle style{fontFile, maxPixelSize, tracking};
    while (style.pixelSize > 8 && text.advanceWidth(line, style) > maxWidth) --style.pixelSize;
    return style;
}

Mask centredLine(TextRenderer& text, const std::string& line, const TextStyle& style, float centreX,
                 int baseline, TextBox* box) {
    Mask mask(SCREEN_WIDTH, SCREEN_HEIGHT);
    const TextBox ink = text.drawCentred(mask, line, style, centreX, baseline);
    if (box != nullptr) *box = ink;
    return mask;
}
