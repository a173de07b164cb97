// Helpers shared by the 640 x 480 cards: a screen-sized mask holding one line of
// text, and a style whose size is the largest that fits a given width.
#pragma once

#include <string>

#include "tools/datagen/Pictures.h"

// The largest pixel size up to `maxPixelSize` at which the line fits in `maxWidth`.
TextStyle fittedStyle(TextRenderer& text, const std::string& line, const std::string& fontFile,
                      float maxWidth, int maxPixelSize, float tracking = 0.0f);

// A screen-sized mask with the line centred on `centreX`; `box` receives its ink.
Mask centredLine(TextRenderer& text, const std::string& line, const TextStyle& style, float centreX,
                 int baseline, TextBox* box = nullptr);
