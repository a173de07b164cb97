// The one font of the timeline's text, set on any cairo context, and the width
// of a text in it, so that labels are placed with the sizes they are drawn with.
#pragma once

#include <cairo.h>

#include <string>

namespace fonts {

constexpr double LABEL_SIZE = 10.0;
constexpr double TITLE_SIZE = 14.0;

void use(cairo_t* cr, double size, bool bold = false);

// Measures text on a private 1 x 1 surface, held only while the object lives.
class TextMeasure {
public:
    TextMeasure();
    ~TextMeasure();
    TextMeasure(const TextMeasure&) = delete;
    TextMeasure& operator=(const TextMeasure&) = delete;

    // Advance width of `text` at `size`.
    double width(const std::string& text, double size, bool bold = false) const;

private:
    cairo_surface_t* surface_ = nullptr;
    cairo_t* context_ = nullptr;
};

// Lets go of what cairo and fontconfig keep for the rest of a process (faces, font
// lists). Only when no cairo object is left; the next text loads them again.
void releaseCaches();

}  // namespace fonts
