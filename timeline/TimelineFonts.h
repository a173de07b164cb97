// The one font of the timeline's text, set on any cairo context, and the width
// of a text in it, so that labels are placed with the sizes they are drawn with.
#pragma once

#include <cairo.h>

#include <string>

namespace fonts {

constexpr double LABEL_SIZE = 10.0;
constexpr double TITLE_SIZE = 14.0;

void use(cairo_t* cr, double size, bool bold = false);
// Advance width of `text` at `size`, measured on a private surface.
double textWidth(const std::string& text, double size, bool bold = false);

}  // namespace fonts
